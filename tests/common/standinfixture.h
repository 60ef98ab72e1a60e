#pragma once

#include "standinsite.h"

#include <QCoroTask>
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

// Runs a coroutine to completion from a test slot.
template<typename T>
T await(QCoro::Task<T> &&task)
{
    return QCoro::waitFor(std::move(task));
}
