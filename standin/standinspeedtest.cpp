#include "standinspeedtest.h"

#include <QPointer>
#include <QSslSocket>
#include <QTimer>
#include <QUrlQuery>

namespace
{
constexpr qint64 chunkSize = 256 * 1024;
// Written ahead of what the connection has sent: enough to keep it busy, never the whole body.
constexpr qint64 writeAhead = 16 * chunkSize;
constexpr qint64 largestBody = qint64(64) * 1024 * 1024 * 1024;

qint64 pendingBytes(QTcpSocket *socket)
{
    qint64 pending = socket->bytesToWrite();
    if (auto *secure = qobject_cast<QSslSocket *>(socket))
        pending += secure->encryptedBytesToWrite();
    return pending;
}
} // namespace

// One answer on one connection, alive while it is being written; it goes with the connection.
class StandinSpeedTestAnswer : public QObject
{
public:
    StandinSpeedTestAnswer(StandinSpeedTest *owner, StandinSpeedTest::Phase phase, QTcpSocket *socket)
        : QObject(socket)
        , m_owner(owner)
        , m_phase(phase)
        , m_socket(socket)
    {
        m_owner->begin();
    }

    ~StandinSpeedTestAnswer() override
    {
        if (m_owner)
            m_owner->end(m_phase);
    }

    void send(int status, qint64 bodyBytes, const StandinSpeedTest::Switch &change)
    {
        const QByteArray reason = status >= 200 && status < 300 ? "OK" : status == 404 ? "Not Found" : "Error";
        const QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n"
                                + "Content-Type: application/octet-stream\r\n"
                                + "Content-Length: " + QByteArray::number(bodyBytes) + "\r\n"
                                + "Cache-Control: no-store\r\n\r\n";
        m_remaining = bodyBytes;
        if (change.stall || change.dropConnection) {
            // The answer breaks off halfway: through the first chunk of the body, or through the
            // head when there is no body (a complete empty answer would be no break at all).
            if (bodyBytes > 0) {
                m_socket->write(head);
                writeBody(std::min(bodyBytes, chunkSize) / 2);
            } else {
                m_socket->write(head.left(head.size() / 2));
            }
            if (change.dropConnection)
                QTimer::singleShot(0, m_socket, [socket = m_socket] { socket->abort(); });
            return; // a stalled answer stays until the connection goes
        }
        m_socket->write(head);
        connect(m_socket, &QIODevice::bytesWritten, this, &StandinSpeedTestAnswer::pump);
        if (auto *secure = qobject_cast<QSslSocket *>(m_socket.data()))
            connect(secure, &QSslSocket::encryptedBytesWritten, this, &StandinSpeedTestAnswer::pump);
        pump();
    }

private:
    void writeBody(qint64 bytes)
    {
        static const QByteArray chunk(chunkSize, 'x');
        while (bytes > 0) {
            const qint64 size = std::min(bytes, chunkSize);
            m_socket->write(chunk.constData(), size);
            bytes -= size;
            m_remaining -= size;
            if (m_owner)
                m_owner->m_bytesServed += size;
        }
    }

    void pump()
    {
        if (!m_socket)
            return;
        while (m_remaining > 0 && pendingBytes(m_socket) < writeAhead)
            writeBody(std::min(m_remaining, chunkSize));
        if (m_remaining == 0 && pendingBytes(m_socket) == 0)
            deleteLater();
    }

    QPointer<StandinSpeedTest> m_owner;
    StandinSpeedTest::Phase m_phase;
    QPointer<QTcpSocket> m_socket;
    qint64 m_remaining = 0;
};

bool StandinSpeedTest::serves(const QString &path)
{
    return path == QLatin1String("/__down") || path == QLatin1String("/__up");
}

void StandinSpeedTest::setSwitch(Phase phase, const Switch &change)
{
    m_switches.insert(phase, change);
}

void StandinSpeedTest::clearSwitches()
{
    m_switches.clear();
}

void StandinSpeedTest::resetCounters()
{
    m_maxInFlight = m_inFlight;
    m_bytesServed = 0;
}

void StandinSpeedTest::begin()
{
    ++m_inFlight;
    m_maxInFlight = std::max(m_maxInFlight, m_inFlight);
}

void StandinSpeedTest::end(Phase phase)
{
    --m_inFlight;
    Q_EMIT answerFinished(phase);
}

void StandinSpeedTest::respond(const QByteArray &method, const QString &path, const QByteArray &query, QTcpSocket *socket)
{
    const bool upload = path == QLatin1String("/__up");
    qint64 bytes = 0;
    int status = 200;
    if (upload) {
        if (method != "POST")
            status = 405;
    } else {
        bool valid = false;
        bytes = QUrlQuery(QString::fromLatin1(query)).queryItemValue(QStringLiteral("bytes")).toLongLong(&valid);
        if (method != "GET")
            status = 405;
        else if (!valid || bytes < 0 || bytes > largestBody)
            status = 400;
    }
    const Phase phase = upload ? Phase::Upload : bytes > 0 ? Phase::Download : Phase::Probe;
    if (status != 200)
        bytes = 0;
    Q_EMIT requestArrived(phase);

    const Switch change = m_switches.value(phase);
    if (change.status) {
        status = *change.status;
        if (status < 200 || status > 299)
            bytes = 0;
    }
    auto *answer = new StandinSpeedTestAnswer(this, phase, socket);
    if (upload && status >= 200 && status < 300)
        bytes = 0;
    QTimer::singleShot(change.delay, answer, [answer, status, bytes, change] { answer->send(status, bytes, change); });
}
