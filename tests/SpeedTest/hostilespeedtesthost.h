#pragma once

#include "standincertificates.h"
#include "standinspeedtest.h"

#include <QObject>
#include <QSslServer>
#include <QUrl>

#include <memory>

class QSslSocket;

// A speed-test host over TLS on 127.0.0.1 (a free port) that answers "/__down" and "/__up" as the
// real one does, except in one phase, where it answers as a broken or hostile server would.
// Every answer that is not broken sets the cookie "hostile=1".
class HostileSpeedTestHost : public QObject
{
    Q_OBJECT

public:
    using Phase = StandinSpeedTest::Phase;

    enum class Fault {
        None,
        Hang, // takes the request and never answers
        SlowBody, // the head at once, then a few bytes now and then
        EndlessHead, // header lines that never end, as fast as the client takes them
        EndlessBody, // a chunked body that never ends, as fast as the client takes it
        OversizedBody, // far more body than asked for, its size announced
        TruncatedBody, // half the announced body, then the connection closes
        Reset, // the connection is reset as soon as the request has come
    };
    Q_ENUM(Fault)

    explicit HostileSpeedTestHost(QObject *parent = nullptr);
    ~HostileSpeedTestHost() override;

    bool start();
    QUrl baseUrl() const;
    QString caFile() const { return m_certificates.caFile(); }

    void setFault(Phase phase, Fault fault);

    // Connections the client holds open right now.
    int openConnections() const { return m_open; }
    // Body (or endless head) bytes written to clients so far.
    qint64 bytesSent() const { return m_sent; }
    // Requests that came with a "Cookie" header.
    int requestsWithCookies() const { return m_requestsWithCookies; }

Q_SIGNALS:
    void requestArrived(HostileSpeedTestHost::Phase phase);

private:
    class Connection;

    void answer(Connection *connection, QSslSocket *socket, Phase phase, qint64 bytes);

    StandinCertificates m_certificates;
    QSslServer m_server;
    Phase m_faultPhase = Phase::Probe;
    Fault m_fault = Fault::None;
    int m_open = 0;
    qint64 m_sent = 0;
    int m_requestsWithCookies = 0;
};
