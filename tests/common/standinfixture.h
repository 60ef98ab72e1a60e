#pragma once

#include "standinsite.h"

#include <QCoroTask>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTest>

// Starts a stand-in site for a test; on 443 of its own loopback address when asked.
inline std::unique_ptr<StandinSite> startStandin(const QHostAddress &address = QHostAddress(QHostAddress::LocalHost), quint16 port = 0)
{
    auto site = std::make_unique<StandinSite>();
    if (!site->start(address, port)) {
        qWarning("stand-in did not start: %s", qPrintable(site->errorString()));
        return nullptr;
    }
    return site;
}

// Starts a stand-in site on port 443 of a loopback address nobody else holds, picked at run time
// (every 127.0.0.N is loopback on Linux), so that several tests and several test runs can each own
// one. The search starts at a random address and takes the first that listens.
inline std::unique_ptr<StandinSite> startStandinOn443()
{
    constexpr int first = 2;
    constexpr int count = 250;
    const int start = int(QRandomGenerator::global()->bounded(count));
    for (int i = 0; i < count; ++i) {
        const QHostAddress address(QStringLiteral("127.0.0.%1").arg(first + (start + i) % count));
        QTcpServer probe;
        if (!probe.listen(address, 443))
            continue;
        probe.close();
        auto site = std::make_unique<StandinSite>();
        if (site->start(address, 443))
            return site;
    }
    qWarning("stand-in did not start: no free loopback address for port 443");
    return nullptr;
}

// Runs a coroutine to completion from a test slot.
template<typename T>
T await(QCoro::Task<T> &&task)
{
    return QCoro::waitFor(std::move(task));
}
