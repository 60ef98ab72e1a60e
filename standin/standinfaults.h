#pragma once

#include <QByteArray>

class QTcpSocket;

// Ways a broken or hostile server answers, for tests of the client's limits.
enum class StandinFault {
    None,
    SlowBody, // headers at once, then the body a few bytes at a time
    EndlessHead, // header lines that never end, as fast as the client takes them
    EndlessBody, // a chunked body that never ends, as fast as the client takes it
    OversizedBody, // a body far larger than any answer of the site, its size announced
    TruncatedBody, // fewer bytes than announced, then the connection closes
    Reset, // the connection breaks before any answer
    RedirectLoop, // 302 back to the same address, for ever
    RedirectToHttp, // 302 to the same address over plain http
};

namespace StandinFaults
{
// Answers the request that came on `socket` with `fault` instead of `body`; `url` is the address
// the request was made to. The socket may be closed afterwards.
void serve(StandinFault fault, QTcpSocket *socket, const QByteArray &body, const QByteArray &url);
// Bytes written by endless and oversized answers since the process started.
qint64 bytesStreamed();
} // namespace StandinFaults
