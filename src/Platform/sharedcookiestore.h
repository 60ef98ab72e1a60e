#pragma once

#include <QNetworkCookie>
#include <QNetworkCookieJar>

// The subscriber's cookie store: the jar behind the site's network managers, and nobody else's.
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
    // Forgets every cookie, whatever its host or path.
    void clear() { setAllCookies({}); }

    // The session epoch: replies to requests sent in an earlier epoch no longer set cookies, so
    // that a late answer of a replaced session cannot overwrite the current session's cookie.
    quint64 epoch() const { return m_epoch; }
    void beginEpoch() { ++m_epoch; }
    // Takes the cookies a reply to a request sent in `epoch` set; false (and nothing taken) when
    // that epoch is over.
    bool setCookiesFromReply(quint64 epoch, const QList<QNetworkCookie> &cookies, const QUrl &url)
    {
        return epoch == m_epoch && setCookiesFromUrl(cookies, url);
    }

private:
    quint64 m_epoch = 0;
};
