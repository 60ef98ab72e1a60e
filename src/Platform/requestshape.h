#pragma once

#include "httptransport.h"

#include <QNetworkRequest>

// A request as Qt's HTTP stack sends it: the request's own headers in their order, then those Qt
// adds where the request has none ("Connection", "Accept-Encoding", "Accept-Language",
// "User-Agent", and a form's "Content-Type" for a POST that has none). Every request of the app keeps this shape,
// whatever sends it, so that no server can tell one sender from another.
struct RequestShape {
    HttpTransport::Headers headers;
    // What the body is decoded from: set when the shape announces the encodings itself.
    QByteArray decodedEncodings;

    // `request` carries what Qt's manager adds before it is sent (a body's "Content-Length", the
    // jar's cookies). `post`: sent as QNetworkAccessManager::post() sends.
    static RequestShape of(const QNetworkRequest &request, bool post = false);
};
