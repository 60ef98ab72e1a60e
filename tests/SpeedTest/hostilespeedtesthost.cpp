#include "hostilespeedtesthost.h"

#include <QSslConfiguration>
#include <QSslKey>
#include <QSslSocket>
#include <QTimer>
#include <QUrlQuery>

#include <functional>
#include <sys/socket.h>

namespace
{
constexpr qint64 piece = 64 * 1024;
// Written ahead of what the connection has taken: enough to keep it busy, never a whole body.
constexpr qint64 writeAhead = 4 * piece;
// An endless body stops here, so that a client without a limit fails its test rather than run on.
constexpr qint64 endlessGuard = 256 * 1024 * 1024;
// What an oversized answer announces.
constexpr qint64 oversizedBytes = qint64(1) << 30;
// The body of a broken answer where the request asked for none: within what a client takes
// there, and more than a slow one drips in the test's time limit.
constexpr qint64 smallBody = 60'000;
} // namespace

// One client connection: reads requests one after another and answers each.
class HostileSpeedTestHost::Connection : public QObject
{
public:
    Connection(HostileSpeedTestHost *host, QSslSocket *socket)
        : QObject(socket)
        , m_host(host)
        , m_socket(socket)
    {
        ++m_host->m_open;
        connect(socket, &QIODevice::readyRead, this, &Connection::read);
        connect(socket, &QIODevice::bytesWritten, this, &Connection::pump);
        connect(socket, &QSslSocket::encryptedBytesWritten, this, &Connection::pump);
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    }

    ~Connection() override { --m_host->m_open; }

    // Body bytes come from `next` while the client takes them; an empty piece ends the answer.
    void stream(std::function<QByteArray()> next)
    {
        m_next = std::move(next);
        pump();
    }

    void writeBody(const QByteArray &bytes)
    {
        m_socket->write(bytes);
        m_host->m_sent += bytes.size();
    }

private:
    void read()
    {
        m_buffer += m_socket->readAll();
        while (true) {
            if (m_bodyLeft > 0) {
                const qint64 taken = std::min<qint64>(m_bodyLeft, m_buffer.size());
                m_buffer.remove(0, taken);
                m_bodyLeft -= taken;
                if (m_bodyLeft > 0)
                    return;
                m_host->answer(this, m_socket, m_phase, m_bytes);
                continue;
            }
            const qsizetype end = m_buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QList<QByteArray> lines = m_buffer.left(end).split('\n');
            m_buffer.remove(0, end + 4);
            const QList<QByteArray> requestLine = lines.constFirst().trimmed().split(' ');
            const QByteArray target = requestLine.value(1);
            const QByteArray query = target.mid(target.indexOf('?') + 1);
            m_bytes = QUrlQuery(QString::fromLatin1(query)).queryItemValue(QStringLiteral("bytes")).toLongLong();
            m_phase = requestLine.constFirst() == "POST" ? Phase::Upload : m_bytes > 0 ? Phase::Download : Phase::Probe;
            m_bodyLeft = 0;
            for (const QByteArray &line : lines) {
                if (line.toLower().startsWith("content-length:"))
                    m_bodyLeft = line.mid(15).trimmed().toLongLong();
                if (line.toLower().startsWith("cookie:"))
                    ++m_host->m_requestsWithCookies;
            }
            Q_EMIT m_host->requestArrived(m_phase);
            if (m_host->m_fault == Fault::Reset && m_host->m_faultPhase == m_phase) {
                // No lingering: the client gets a reset, not an orderly close.
                const linger reset{1, 0};
                ::setsockopt(int(m_socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof(reset));
                m_socket->abort();
                return;
            }
            if (m_bodyLeft == 0)
                m_host->answer(this, m_socket, m_phase, m_bytes);
        }
    }

    void pump()
    {
        while (m_next && m_socket->bytesToWrite() + m_socket->encryptedBytesToWrite() < writeAhead) {
            const QByteArray bytes = m_next();
            if (bytes.isEmpty()) {
                m_next = nullptr;
                return;
            }
            writeBody(bytes);
        }
    }

    HostileSpeedTestHost *m_host;
    QSslSocket *m_socket;
    QByteArray m_buffer;
    qint64 m_bodyLeft = 0;
    qint64 m_bytes = 0;
    Phase m_phase = Phase::Probe;
    std::function<QByteArray()> m_next;
};

HostileSpeedTestHost::HostileSpeedTestHost(QObject *parent)
    : QObject(parent)
{
    const auto accept = [this] {
        while (m_server.hasPendingConnections()) {
            auto *socket = qobject_cast<QSslSocket *>(m_server.nextPendingConnection());
            if (socket)
                new Connection(this, socket);
        }
    };
    connect(&m_server, &QTcpServer::pendingConnectionAvailable, this, accept);
}

HostileSpeedTestHost::~HostileSpeedTestHost()
{
    m_server.close();
    qDeleteAll(m_server.findChildren<QSslSocket *>());
}

bool HostileSpeedTestHost::start()
{
    if (!m_certificates.generate(QHostAddress(QHostAddress::LocalHost)))
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(m_certificates.serverCertificate());
    configuration.setPrivateKey(m_certificates.serverKey());
    m_server.setSslConfiguration(configuration);
    return m_server.listen(QHostAddress(QHostAddress::LocalHost), 0);
}

QUrl HostileSpeedTestHost::baseUrl() const
{
    return QUrl(QStringLiteral("https://127.0.0.1:%1/").arg(m_server.serverPort()));
}

void HostileSpeedTestHost::setFault(Phase phase, Fault fault)
{
    m_faultPhase = phase;
    m_fault = fault;
}

void HostileSpeedTestHost::answer(Connection *connection, QSslSocket *socket, Phase phase, qint64 bytes)
{
    const Fault fault = phase == m_faultPhase ? m_fault : Fault::None;
    const auto head = [socket](const QByteArray &framing) {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n" + framing + "\r\n\r\n");
    };
    const QByteArray announced = "Content-Length: " + QByteArray::number(bytes > 0 ? bytes : smallBody);
    switch (fault) {
    case Fault::None: {
        head("Content-Length: " + QByteArray::number(bytes) + "\r\nSet-Cookie: hostile=1; Path=/");
        auto left = std::make_shared<qint64>(bytes);
        connection->stream([left] {
            const qint64 size = std::min(piece, *left);
            *left -= size;
            return QByteArray(size, 'x');
        });
        return;
    }
    case Fault::Hang:
        return;
    case Fault::SlowBody: {
        head(announced);
        auto *drip = new QTimer(connection);
        connect(drip, &QTimer::timeout, connection, [connection] { connection->writeBody(QByteArray(16, 'x')); });
        drip->start(50);
        return;
    }
    case Fault::EndlessHead: {
        socket->write("HTTP/1.1 200 OK\r\n");
        QByteArray lines;
        for (int i = 0; lines.size() < piece; ++i)
            lines += "X-Filler-" + QByteArray::number(i) + ": " + QByteArray(48, 'x') + "\r\n";
        auto left = std::make_shared<qint64>(endlessGuard);
        connection->stream([lines, left] { return (*left -= lines.size()) < 0 ? QByteArray() : lines; });
        return;
    }
    case Fault::EndlessBody: {
        head("Transfer-Encoding: chunked");
        const QByteArray chunk = QByteArray::number(piece, 16) + "\r\n" + QByteArray(piece, 'x') + "\r\n";
        auto left = std::make_shared<qint64>(endlessGuard);
        connection->stream([chunk, left] {
            if (*left < 0)
                return QByteArray();
            *left -= piece;
            return *left < 0 ? QByteArrayLiteral("0\r\n\r\n") : chunk;
        });
        return;
    }
    case Fault::OversizedBody: {
        head("Content-Length: " + QByteArray::number(oversizedBytes));
        auto left = std::make_shared<qint64>(oversizedBytes);
        connection->stream([left] {
            const qint64 size = std::min(piece, *left);
            *left -= size;
            return QByteArray(size, 'x');
        });
        return;
    }
    case Fault::TruncatedBody:
        head(announced);
        connection->writeBody(QByteArray((bytes > 0 ? bytes : smallBody) / 2, 'x'));
        socket->disconnectFromHost();
        return;
    case Fault::Reset:
        return;
    }
}
