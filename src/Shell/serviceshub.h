#pragma once

#include "servicelistitem.h"

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The services hub's four fixed groups of rows and the search over them. QML binds `searchText`
// and shows the filtered groups (ServiceListItem values); a group with no match is empty.
class ServicesHub : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    Q_PROPERTY(QVariantList primaryItems READ primaryItems NOTIFY searchTextChanged)
    Q_PROPERTY(QVariantList serviceItems READ serviceItems NOTIFY searchTextChanged)
    Q_PROPERTY(QVariantList promoItems READ promoItems NOTIFY searchTextChanged)
    Q_PROPERTY(QVariantList shopItems READ shopItems NOTIFY searchTextChanged)
    // No group has a row left: the hub shows its empty state.
    Q_PROPERTY(bool isEmpty READ isEmpty NOTIFY searchTextChanged)

public:
    explicit ServicesHub(QObject *parent = nullptr);

    static QList<ServiceListItem> primaryCatalog();
    static QList<ServiceListItem> serviceCatalog();
    static QList<ServiceListItem> promoCatalog();
    static QList<ServiceListItem> shopCatalog();

    // The items that match `query` (trimmed of white space and line breaks), in their order;
    // all of them when the trimmed query is empty.
    static QList<ServiceListItem> filtered(const QList<ServiceListItem> &items, const QString &query);

    QString searchText() const { return m_searchText; }
    void setSearchText(const QString &text);
    QVariantList primaryItems() const;
    QVariantList serviceItems() const;
    QVariantList promoItems() const;
    QVariantList shopItems() const;
    bool isEmpty() const;

Q_SIGNALS:
    void searchTextChanged();

private:
    QVariantList visible(const QList<ServiceListItem> &items) const;

    QString m_searchText;
    const QList<ServiceListItem> m_primary;
    const QList<ServiceListItem> m_services;
    const QList<ServiceListItem> m_promo;
    const QList<ServiceListItem> m_shop;
};
