#include "requestshape.h"

#include <QLocale>

namespace
{
// What Qt's HTTP layer announces and decodes, and what it says it is.
const QByteArray acceptedEncodings = QByteArrayLiteral("zstd, br, gzip, deflate");
const QByteArray userAgent = QByteArrayLiteral("Mozilla/5.0");

// The languages Qt's HTTP layer asks for: the system locale's, then English, then any.
QByteArray acceptedLanguages()
{
    QString locale = QLocale::system().name();
    if (locale == QLatin1String("C"))
        return QByteArrayLiteral("en,*");
    locale.replace(QLatin1Char('_'), QLatin1Char('-'));
    return (locale + (locale.startsWith(QLatin1String("en-")) ? QLatin1String(",*") : QLatin1String(",en,*"))).toLatin1();
}
} // namespace

RequestShape RequestShape::of(const QNetworkRequest &request, bool post)
{
    RequestShape shape;
    for (const QByteArray &name : request.rawHeaderList())
        shape.headers.append({name, request.rawHeader(name)});
    const auto add = [&shape, &request](const char *name, const QByteArray &value) {
        if (request.hasRawHeader(name))
            return false;
        shape.headers.append({QByteArray(name), value});
        return true;
    };
    add("Connection", QByteArrayLiteral("Keep-Alive"));
    // Qt decodes only what it asked for itself.
    if (add("Accept-Encoding", acceptedEncodings))
        shape.decodedEncodings = acceptedEncodings;
    add("Accept-Language", acceptedLanguages());
    add("User-Agent", userAgent);
    if (post)
        add("Content-Type", QByteArrayLiteral("application/x-www-form-urlencoded"));
    return shape;
}
