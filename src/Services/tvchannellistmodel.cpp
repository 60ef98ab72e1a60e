#include "tvchannellistmodel.h"

TVChannelListModel::TVChannelListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

void TVChannelListModel::setPackageID(const QString &packageID)
{
    if (m_packageID == packageID)
        return;
    m_packageID = packageID;
    m_all = TVChannel::channels(packageID);
    Q_EMIT packageIDChanged();
    rebuild();
}

void TVChannelListModel::setSearch(const QString &search)
{
    if (m_search == search)
        return;
    m_search = search;
    Q_EMIT searchChanged();
    rebuild();
}

int TVChannelListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant TVChannelListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TVChannel &channel = m_shown.at(index.row());
    switch (role) {
    case NameRole:
        return channel.name;
    case LogoRole:
        return channel.logo;
    default:
        return {};
    }
}

QHash<int, QByteArray> TVChannelListModel::roleNames() const
{
    return { { NameRole, "name" }, { LogoRole, "logo" } };
}

void TVChannelListModel::rebuild()
{
    const QString query = m_search.trimmed();
    QList<TVChannel> shown;
    if (query.isEmpty()) {
        shown = m_all;
    } else {
        // Case folds, diacritics do not: "е" does not find "ё".
        for (const TVChannel &channel : m_all) {
            if (channel.name.contains(query, Qt::CaseInsensitive))
                shown.append(channel);
        }
    }
    if (shown == m_shown)
        return;
    const bool countDiffers = shown.size() != m_shown.size();
    beginResetModel();
    m_shown = std::move(shown);
    endResetModel();
    if (countDiffers)
        Q_EMIT countChanged();
}
