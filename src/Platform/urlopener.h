#pragma once

#include <QCoroTask>
#include <QObject>
#include <QUrl>

// Hands an address to another application (a bank app, the dialer, the browser). The answer
// says whether some application took it; false when none handles its scheme.
class UrlOpener : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // `address` is handed on exactly as given: a page's link may hold capitals that a parsed URL
    // lower-cases (its scheme and host).
    virtual QCoro::Task<bool> openAddress(QString address) = 0;
    QCoro::Task<bool> open(QUrl url) { return openAddress(url.toString(QUrl::FullyEncoded)); }

    // For QML: starts open() and reports through openFinished().
    Q_INVOKABLE void openUrl(const QUrl &url);

Q_SIGNALS:
    void openFinished(const QUrl &url, bool opened);
};
