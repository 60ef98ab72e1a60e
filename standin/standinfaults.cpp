#include "standinfaults.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <functional>
#include <memory>

namespace
{
// What an oversized answer announces and sends: far more than any answer of the site.
constexpr qint64 oversizedBytes = 64 * 1024 * 1024;
// A streamed answer is written in pieces of this size while the client keeps up.
constexpr qint64 piece = 64 * 1024;
constexpr qint64 endlessGuardBytes = 512 * 1024 * 1024;
qint64 streamed = 0;

QByteArray head(int status, const QByteArray &reason, const QByteArrayList &headers)
{
    QByteArray text = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
    for (const QByteArray &header : headers)
        text += header + "\r\n";
    return text + "\r\n";
}

// What waits in `socket` to be sent, encrypted or not.
qint64 waiting(QTcpSocket *socket)
{
    const auto *secure = qobject_cast<QSslSocket *>(socket);
    return socket->bytesToWrite() + (secure ? secure->encryptedBytesToWrite() : 0);
}

// Keeps writing `next()` while less than two pieces wait in the socket, until `next` gives nothing.
void stream(QTcpSocket *socket, std::function<QByteArray()> next)
{
    const auto fill = [socket, next] {
        while (socket->state() == QAbstractSocket::ConnectedState && waiting(socket) < 2 * piece) {
            const QByteArray data = next();
            if (data.isEmpty()) {
                socket->disconnectFromHost();
                return;
            }
            socket->write(data);
        }
    };
    QObject::connect(socket, &QIODevice::bytesWritten, socket, fill);
    // An encrypted socket says when the network took its data on a signal of its own.
    if (auto *secure = qobject_cast<QSslSocket *>(socket))
        QObject::connect(secure, &QSslSocket::encryptedBytesWritten, socket, fill);
    fill();
}
} // namespace

namespace StandinFaults
{
void serve(StandinFault fault, QTcpSocket *socket, const QByteArray &body, const QByteArray &url)
{
    const QByteArray json = "Content-Type: application/json; charset=utf-8";
    switch (fault) {
    case StandinFault::None:
        return;
    case StandinFault::SlowBody: {
        socket->write(head(200, "OK", { json, "Content-Length: " + QByteArray::number(body.size() + 100000) }));
        auto *drip = new QTimer(socket);
        QObject::connect(drip, &QTimer::timeout, socket, [socket] { socket->write("          "); });
        drip->start(100);
        return;
    }
    case StandinFault::EndlessHead: {
        socket->write("HTTP/1.1 200 OK\r\n");
        QByteArray lines;
        for (int i = 0; lines.size() < piece; ++i)
            lines += "X-Filler-" + QByteArray::number(i) + ": " + QByteArray(48, 'x') + "\r\n";
        auto left = std::make_shared<qint64>(endlessGuardBytes);
        stream(socket, [lines, left] {
            if ((*left -= lines.size()) < 0)
                return QByteArray();
            streamed += lines.size();
            return lines;
        });
        return;
    }
    case StandinFault::EndlessBody: {
        socket->write(head(200, "OK", { json, "Transfer-Encoding: chunked" }));
        const QByteArray chunk = QByteArray::number(piece, 16) + "\r\n" + QByteArray(piece, ' ') + "\r\n";
        // Endless for any client that keeps a limit; one that does not fails its test rather than
        // take the machine's memory.
        auto left = std::make_shared<qint64>(endlessGuardBytes);
        stream(socket, [chunk, left] {
            if ((*left -= piece) < 0)
                return QByteArray();
            streamed += piece;
            return chunk;
        });
        return;
    }
    case StandinFault::OversizedBody: {
        socket->write(head(200, "OK", { json, "Content-Length: " + QByteArray::number(oversizedBytes) }));
        auto left = std::make_shared<qint64>(oversizedBytes);
        stream(socket, [left] {
            const qint64 size = std::min(piece, *left);
            *left -= size;
            streamed += size;
            return QByteArray(size, ' ');
        });
        return;
    }
    case StandinFault::TruncatedBody:
        socket->write(head(200, "OK", { json, "Content-Length: " + QByteArray::number(body.size() * 2 + 100) }));
        socket->write(body.left(body.size() / 2));
        socket->disconnectFromHost();
        return;
    case StandinFault::Reset:
        // The server is still reading from the socket: it breaks on the next turn of the loop.
        QTimer::singleShot(0, socket, [socket] { socket->abort(); });
        return;
    case StandinFault::RedirectLoop:
        socket->write(head(302, "Found", { "Location: " + url, "Content-Length: 0" }));
        return;
    case StandinFault::RedirectToHttp: {
        QByteArray plain = url;
        if (plain.startsWith("https:"))
            plain.remove(4, 1);
        socket->write(head(302, "Found", { "Location: " + plain, "Content-Length: 0" }));
        return;
    }
    }
}

qint64 bytesStreamed()
{
    return streamed;
}
} // namespace StandinFaults
