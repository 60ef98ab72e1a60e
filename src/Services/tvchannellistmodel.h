#pragma once

#include "tvchannel.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// The channels a package detail screen shows: the package's list, narrowed by the search text.
class TVChannelListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString packageID READ packageID WRITE setPackageID NOTIFY packageIDChanged)
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged)
    // Channels shown, repeats included.
    Q_PROPERTY(int count READ rowCount NOTIFY countChanged)
    // Channels of the package before the search; 0 for an online-cinema package.
    Q_PROPERTY(int packageCount READ packageCount NOTIFY packageIDChanged)

public:
    enum Role {
        NameRole = Qt::UserRole + 1,
        LogoRole,
    };

    explicit TVChannelListModel(QObject *parent = nullptr);

    QString packageID() const { return m_packageID; }
    void setPackageID(const QString &packageID);
    QString search() const { return m_search; }
    void setSearch(const QString &search);
    int packageCount() const { return int(m_all.size()); }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void packageIDChanged();
    void searchChanged();
    void countChanged();

private:
    void rebuild();

    QString m_packageID;
    QString m_search;
    QList<TVChannel> m_all;
    QList<TVChannel> m_shown;
};
