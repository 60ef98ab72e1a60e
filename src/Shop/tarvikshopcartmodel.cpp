#include "tarvikshopcartmodel.h"

#include "tarvikshopcart.h"

#include <QSet>

TarvikShopCartModel::TarvikShopCartModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void TarvikShopCartModel::setCart(TarvikShopCart *cart)
{
    if (m_cart == cart)
        return;
    if (m_cart)
        disconnect(m_cart, nullptr, this, nullptr);
    m_cart = cart;
    if (m_cart)
        connect(m_cart, &TarvikShopCart::itemsChanged, this, &TarvikShopCartModel::follow);
    follow();
    Q_EMIT cartChanged();
}

void TarvikShopCartModel::follow()
{
    const QList<TarvikShopCartItem> lines = m_cart ? m_cart->items() : QList<TarvikShopCartItem>();
    const qsizetype countBefore = m_lines.size();

    QSet<qint64> wanted;
    for (const TarvikShopCartItem &line : lines)
        wanted.insert(line.id());
    for (qsizetype row = m_lines.size() - 1; row >= 0; --row) {
        if (wanted.contains(m_lines.at(row).id()))
            continue;
        beginRemoveRows({}, int(row), int(row));
        m_lines.removeAt(row);
        endRemoveRows();
    }

    // What is left is a subset of `lines`: walk both, moving, inserting or updating row by row.
    // A product appears once in a cart, so each id is found at most once further down.
    for (qsizetype at = 0; at < lines.size(); ++at) {
        const TarvikShopCartItem &line = lines.at(at);
        const qsizetype found = indexOf(line.id(), at);
        if (found < 0) {
            beginInsertRows({}, int(at), int(at));
            m_lines.insert(at, line);
            endInsertRows();
            continue;
        }
        if (found != at) {
            beginMoveRows({}, int(found), int(found), {}, int(at));
            m_lines.move(found, at);
            endMoveRows();
        }
        if (!(m_lines.at(at) == line)) {
            m_lines[at] = line;
            const QModelIndex changed = index(int(at));
            Q_EMIT dataChanged(changed, changed);
        }
    }

    // Lines a stored cart held twice leave rows over at the end.
    if (m_lines.size() > lines.size()) {
        beginRemoveRows({}, int(lines.size()), int(m_lines.size() - 1));
        m_lines.resize(lines.size());
        endRemoveRows();
    }

    if (m_lines.size() != countBefore)
        Q_EMIT countChanged();
}

qsizetype TarvikShopCartModel::indexOf(qint64 productId, qsizetype from) const
{
    for (qsizetype row = from; row < m_lines.size(); ++row) {
        if (m_lines.at(row).id() == productId)
            return row;
    }
    return -1;
}

int TarvikShopCartModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant TarvikShopCartModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TarvikShopCartItem &line = m_lines.at(index.row());
    switch (role) {
    case ItemRole:
        return QVariant::fromValue(line);
    case ProductIdRole:
        return line.id();
    default:
        return {};
    }
}

QHash<int, QByteArray> TarvikShopCartModel::roleNames() const
{
    return {{ItemRole, "item"}, {ProductIdRole, "productId"}};
}
