#pragma once

#include "tarvikshopcartitem.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class TarvikShopCart;

// The cart's lines for a list, one row per product: a change of the cart updates, inserts,
// removes or moves only the rows it concerns, so the other rows' items (and their focus and
// pressed state) stay as they are.
class TarvikShopCartModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(TarvikShopCart *cart READ cart WRITE setCart NOTIFY cartChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        ItemRole = Qt::UserRole + 1,
        ProductIdRole,
    };
    Q_ENUM(Role)

    explicit TarvikShopCartModel(QObject *parent = nullptr);

    TarvikShopCart *cart() const { return m_cart; }
    void setCart(TarvikShopCart *cart);
    int count() const { return int(m_lines.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void cartChanged();
    void countChanged();

private:
    // Brings the rows in step with the cart's lines, one row operation per difference.
    void follow();
    qsizetype indexOf(qint64 productId, qsizetype from) const;

    QPointer<TarvikShopCart> m_cart;
    QList<TarvikShopCartItem> m_lines;
};
