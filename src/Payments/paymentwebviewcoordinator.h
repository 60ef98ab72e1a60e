#pragma once

#include "loadlimit.h"
#include "urlopener.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The payment web view's delegate: decides every navigation of the checkout page, hands bank-app
// links to the opener, turns new-window requests into loads of the same view, and reports what
// the checkout sheet shows through `isLoading` and `errorMessage`. One per web view; a retry makes
// a new web view and with it a new coordinator.
class PaymentWebViewCoordinator : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // True from creation (the first page is on its way) until a load finishes or fails.
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    // The failure card's text; empty while there is none.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)
    Q_PROPERTY(UrlOpener *opener READ opener WRITE setOpener NOTIFY openerChanged)
    // The longest a page may take to load, in milliseconds, before it counts as failed.
    Q_PROPERTY(int loadTimeout READ loadTimeout WRITE setLoadTimeout NOTIFY loadTimeoutChanged)

public:
    static const QString loadFailureText;
    static const QString bankAppFailureText;
    static constexpr int defaultLoadTimeout = 45000;
    // The network's code of a load cancelled by a newer one; such a failure is no failure.
    static constexpr int cancelledLoadCode = -3;
    enum LoadStatus { LoadStartedStatus, LoadStoppedStatus, LoadSucceededStatus, LoadFailedStatus };

    explicit PaymentWebViewCoordinator(QObject *parent = nullptr);

    bool isLoading() const { return m_isLoading; }
    QString errorMessage() const { return m_errorMessage; }
    UrlOpener *opener() const { return m_opener; }
    void setOpener(UrlOpener *opener);
    int loadTimeout() const { return m_limit.interval(); }
    void setLoadTimeout(int milliseconds);

    // Whether the view may load `url` in the main frame or an embedded one; a refused bank-app
    // address is handed to the opener.
    Q_INVOKABLE bool allowsNavigation(const QUrl &url, bool isMainFrame);
    // A link the page is following, as the page wrote it: when its navigation is handed on, this
    // text goes, not the parsed address (which has its scheme and host lower-cased).
    Q_INVOKABLE void linkFollowed(const QString &address);
    // Where a new-window request goes instead: the address to load here, or empty to drop it.
    Q_INVOKABLE QUrl newWindowTarget(const QUrl &url) const;
    // The view's load events of the main frame; `status` is WebEngineLoadingInfo's, whose values
    // LoadStatus repeats (this library does not link the web engine).
    Q_INVOKABLE void loadingChanged(const QUrl &url, int status, int errorCode);
    // A certificate error of `url`: whether it is an unknown authority, and the chain in PEM.
    Q_INVOKABLE bool acceptsCertificate(const QUrl &url, bool unknownAuthority, const QStringList &chain) const;

Q_SIGNALS:
    void isLoadingChanged();
    void errorMessageChanged();
    void openerChanged();
    void loadTimeoutChanged();
    // The load ran past the limit: the view should stop it.
    void stopRequested();

private:
    // What the sheet showed before a load started.
    struct Shown {
        bool isLoading;
        QString errorMessage;
        bool limitRunning;
    };

    void setIsLoading(bool loading);
    void setErrorMessage(const QString &message);
    void failed(int errorCode);
    void handOff(const QUrl &url);

    bool m_isLoading = true;
    QString m_errorMessage;
    QPointer<UrlOpener> m_opener;
    LoadLimit m_limit{defaultLoadTimeout};
    // The engine reports the start of a main-frame load before or after asking the policy, and a
    // refused load then stops. A refused navigation must change nothing on the sheet: the start
    // is undone, or, when the refusal came first, ignored.
    QUrl m_startedUrl;
    std::optional<Shown> m_beforeStart;
    QList<QUrl> m_refused;
    QStringList m_followedLinks;
};
