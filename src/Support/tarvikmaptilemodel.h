#pragma once

#include <QAbstractListModel>
#include <QRectF>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The tiles on disk covering the map's view, in drawing order; roles key, source, x, y, size.
// A pan moves the same tiles (their positions change), so delegates are kept, not rebuilt.
class TarvikMapTileModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    struct Entry {
        QString key;
        QUrl source;
        QRectF rect;
    };
    using QAbstractListModel::QAbstractListModel;

    void setEntries(const QList<Entry> &entries);
    const QList<Entry> &entries() const { return m_entries; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    QList<Entry> m_entries;
};
