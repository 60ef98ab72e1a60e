#pragma once

#include "loadlimit.h"

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The delegate of one partner TV web view: decides each navigation of its page, turns the app's
// own links into signals, and tells when the page could not be shown. Knows nothing of the web
// engine: the view passes addresses, its loading flag and its load events in.
class PartnerTVPageCoordinator : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Page page READ page WRITE setPage NOTIFY pageChanged)
    // The view is loading a page now (its own flag); the load limit runs while it is.
    Q_PROPERTY(bool pageLoading READ isPageLoading WRITE setPageLoading NOTIFY pageLoadingChanged)
    // The longest a page may take to load, in milliseconds, before it counts as failed.
    Q_PROPERTY(int loadTimeout READ loadTimeout WRITE setLoadTimeout NOTIFY loadTimeoutChanged)
    // The failure card's text; empty while there is none.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    enum Page {
        CatalogPage,
        PackagePage,
    };
    Q_ENUM(Page)
    // WebEngineLoadingInfo's values (this library does not link the web engine).
    enum LoadStatus { LoadStartedStatus, LoadStoppedStatus, LoadSucceededStatus, LoadFailedStatus };

    static const QString loadFailureText;
    static constexpr int defaultLoadTimeout = 45000;
    // The network's code of a load cancelled by a newer one; such a failure is no failure.
    static constexpr int cancelledLoadCode = -3;

    explicit PartnerTVPageCoordinator(QObject *parent = nullptr);

    Page page() const { return m_page; }
    void setPage(Page page);
    bool isPageLoading() const { return m_pageLoading; }
    void setPageLoading(bool loading);
    int loadTimeout() const { return m_limit.interval(); }
    void setLoadTimeout(int milliseconds);
    QString errorMessage() const { return m_errorMessage; }

    // Whether the view may load `url`; the app's own links are refused (after their signal), and so
    // is any address the view does not show itself, so that the engine never hands one to the
    // desktop.
    Q_INVOKABLE bool allowsNavigation(const QUrl &url);
    // A load event of the view's main frame.
    Q_INVOKABLE void loadingChanged(int status, int errorCode);
    // "Повторить": the card goes and the page is loaded again from its own address.
    Q_INVOKABLE void retry();

Q_SIGNALS:
    void pageChanged();
    void pageLoadingChanged();
    void loadTimeoutChanged();
    void errorMessageChanged();
    void createAccountRequested();
    void packageSelected(const QString &title);
    void connectRequested();
    // The load ran past the limit: the view should stop it.
    void stopRequested();
    // The view should load its page's address anew.
    void reloadRequested();

private:
    void setErrorMessage(const QString &message);

    Page m_page = CatalogPage;
    bool m_pageLoading = false;
    QString m_errorMessage;
    LoadLimit m_limit{defaultLoadTimeout};
};
