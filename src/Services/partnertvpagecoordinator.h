#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The delegate of one partner TV web view: decides each navigation of its page and turns the app's
// own links into signals. Knows nothing of the web engine: the view passes addresses in.
class PartnerTVPageCoordinator : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Page page READ page WRITE setPage NOTIFY pageChanged)

public:
    enum Page {
        CatalogPage,
        PackagePage,
    };
    Q_ENUM(Page)

    explicit PartnerTVPageCoordinator(QObject *parent = nullptr);

    Page page() const { return m_page; }
    void setPage(Page page);

    // Whether the view may load `url`; the app's own links are refused (after their signal), and so
    // is any address the view does not show itself, so that the engine never hands one to the
    // desktop.
    Q_INVOKABLE bool allowsNavigation(const QUrl &url);

Q_SIGNALS:
    void pageChanged();
    void createAccountRequested();
    void packageSelected(const QString &title);
    void connectRequested();

private:
    Page m_page = CatalogPage;
};
