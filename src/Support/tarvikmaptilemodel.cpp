#include "tarvikmaptilemodel.h"

#include <algorithm>

void TarvikMapTileModel::setEntries(const QList<Entry> &entries)
{
    const bool sameTiles = entries.size() == m_entries.size()
        && std::equal(entries.cbegin(), entries.cend(), m_entries.cbegin(), [](const Entry &a, const Entry &b) { return a.key == b.key; });
    if (!sameTiles) {
        beginResetModel();
        m_entries = entries;
        endResetModel();
        return;
    }
    m_entries = entries;
    if (!m_entries.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_entries.size()) - 1));
}

int TarvikMapTileModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant TarvikMapTileModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Entry &entry = m_entries.at(index.row());
    switch (role) {
    case Qt::UserRole:
        return entry.key;
    case Qt::UserRole + 1:
        return entry.source;
    case Qt::UserRole + 2:
        return entry.rect.x();
    case Qt::UserRole + 3:
        return entry.rect.y();
    case Qt::UserRole + 4:
        return entry.rect.width();
    default:
        return {};
    }
}

QHash<int, QByteArray> TarvikMapTileModel::roleNames() const
{
    return {{Qt::UserRole, "key"}, {Qt::UserRole + 1, "tileSource"}, {Qt::UserRole + 2, "tileX"}, {Qt::UserRole + 3, "tileY"}, {Qt::UserRole + 4, "tileSize"}};
}
