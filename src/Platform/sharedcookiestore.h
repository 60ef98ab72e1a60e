#pragma once

#include <QNetworkCookie>
#include <QNetworkCookieJar>

// The process-wide cookie store: one jar behind every network manager of the app.
class SharedCookieStore : public QNetworkCookieJar
{
    Q_OBJECT

public:
    using QNetworkCookieJar::QNetworkCookieJar;

    QList<QNetworkCookie> cookies() const { return allCookies(); }
    // The cookies the store would send to `url`.
    QList<QNetworkCookie> cookies(const QUrl &url) const { return cookiesForUrl(url); }
    bool remove(const QNetworkCookie &cookie) { return deleteCookie(cookie); }
    bool insert(const QNetworkCookie &cookie) { return insertCookie(cookie); }
};
