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

    virtual QCoro::Task<bool> open(QUrl url) = 0;

    // For QML: starts open() and reports through openFinished().
    Q_INVOKABLE void openUrl(const QUrl &url);

Q_SIGNALS:
    void openFinished(const QUrl &url, bool opened);
};
