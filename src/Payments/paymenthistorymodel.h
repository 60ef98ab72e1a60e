#pragma once

#include "tarvikpaymentoperation.h"

#include <QAbstractListModel>
#include <QList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The payments tab's recent history: the first five operations of the account in stored order,
// each row knowing whether a divider follows it.
class PaymentHistoryModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    // The account's paymentOperations as QML hands them over (a list of paymentOperation values).
    Q_PROPERTY(QVariantList operations READ operations WRITE setOperations NOTIFY operationsChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        TitleRole = Qt::UserRole + 1,
        DateRole,
        AmountRole,
        IsPositiveRole,
        // False only on the last shown row.
        ShowsDividerRole,
        OperationRole,
    };
    Q_ENUM(Role)

    static constexpr int shownLimit = 5;

    explicit PaymentHistoryModel(QObject *parent = nullptr);

    QVariantList operations() const;
    void setOperations(const QVariantList &operations);
    void setOperations(const QList<TarvikPaymentOperation> &operations);
    int count() const { return int(m_shown.size()); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

Q_SIGNALS:
    void operationsChanged();
    void countChanged();

private:
    QList<TarvikPaymentOperation> m_operations;
    QList<TarvikPaymentOperation> m_shown;
};
