#include "paymenthistorymodel.h"

PaymentHistoryModel::PaymentHistoryModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

QVariantList PaymentHistoryModel::operations() const
{
    QVariantList list;
    list.reserve(m_operations.size());
    for (const TarvikPaymentOperation &operation : m_operations)
        list.append(QVariant::fromValue(operation));
    return list;
}

void PaymentHistoryModel::setOperations(const QVariantList &operations)
{
    QList<TarvikPaymentOperation> list;
    list.reserve(operations.size());
    for (const QVariant &value : operations) {
        if (value.canConvert<TarvikPaymentOperation>())
            list.append(value.value<TarvikPaymentOperation>());
    }
    setOperations(list);
}

void PaymentHistoryModel::setOperations(const QList<TarvikPaymentOperation> &operations)
{
    if (m_operations == operations)
        return;
    m_operations = operations;
    const QList<TarvikPaymentOperation> shown = operations.first(qMin(operations.size(), qsizetype(shownLimit)));
    if (shown != m_shown) {
        const int oldCount = count();
        // Rows are told apart by position only: two equal payments on one day share every text.
        beginResetModel();
        m_shown = shown;
        endResetModel();
        if (count() != oldCount)
            Q_EMIT countChanged();
    }
    Q_EMIT operationsChanged();
}

int PaymentHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant PaymentHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TarvikPaymentOperation &operation = m_shown.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case TitleRole:
        return operation.title;
    case DateRole:
        return operation.date;
    case AmountRole:
        return operation.amount;
    case IsPositiveRole:
        return operation.isPositive;
    case ShowsDividerRole:
        return index.row() < count() - 1;
    case OperationRole:
        return QVariant::fromValue(operation);
    default:
        return {};
    }
}

QHash<int, QByteArray> PaymentHistoryModel::roleNames() const
{
    return {
        {TitleRole, "title"},
        {DateRole, "date"},
        {AmountRole, "amount"},
        {IsPositiveRole, "isPositive"},
        {ShowsDividerRole, "showsDivider"},
        {OperationRole, "operation"},
    };
}
