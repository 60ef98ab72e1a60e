#pragma once

#include "tarvikaccountdata.h"

#include <QAbstractListModel>
#include <QList>
#include <QtQml/qqmlregistration.h>

// The operation list of the statistics screen: every payment of the account in stored order, or,
// for an account without payments, one row for the current month's charges.
class StatisticsOperationModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(TarvikAccountData account READ account WRITE setAccount NOTIFY accountChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    // True while the list shows the stand-in row of an account without payments.
    Q_PROPERTY(bool isPlaceholder READ isPlaceholder NOTIFY accountChanged)

public:
    enum Role {
        IconRole = Qt::UserRole + 1,
        TitleRole,
        DateRole,
        AmountRole,
        PositiveRole,
        ShowsDividerRole,
    };
    Q_ENUM(Role)

    struct Row {
        QString icon;
        QString title;
        QString date;
        QString amount;
        bool positive = false;
        bool showsDivider = false;

        friend bool operator==(const Row &, const Row &) = default;
    };

    explicit StatisticsOperationModel(QObject *parent = nullptr);

    TarvikAccountData account() const { return m_account; }
    void setAccount(const TarvikAccountData &account);
    int count() const { return int(m_rows.size()); }
    bool isPlaceholder() const { return m_account.paymentOperations.isEmpty(); }
    const QList<Row> &rows() const { return m_rows; }

    static QList<Row> rowsFor(const TarvikAccountData &account);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void accountChanged();
    void countChanged();

private:
    TarvikAccountData m_account;
    QList<Row> m_rows = rowsFor(m_account);
};
