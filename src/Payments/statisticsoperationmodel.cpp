#include "statisticsoperationmodel.h"

StatisticsOperationModel::StatisticsOperationModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void StatisticsOperationModel::setAccount(const TarvikAccountData &account)
{
    if (m_account == account)
        return;
    m_account = account;
    QList<Row> rows = rowsFor(account);
    if (rows != m_rows) {
        const int oldCount = count();
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
        if (count() != oldCount)
            Q_EMIT countChanged();
    }
    Q_EMIT accountChanged();
}

QList<StatisticsOperationModel::Row> StatisticsOperationModel::rowsFor(const TarvikAccountData &account)
{
    const QList<TarvikPaymentOperation> &operations = account.paymentOperations;
    if (operations.isEmpty()) {
        const QString title = account.additionalService == TarvikAccountData::noValue ? account.tariffName
                                                                                       : account.additionalService;
        return {Row{QStringLiteral("wifi"), title, QStringLiteral("Текущий месяц"), account.monthlyCharges, false, false}};
    }
    // Rows that share the last operation's id (equal payments on one day) all go without a divider.
    const QString lastId = operations.constLast().id;
    QList<Row> rows;
    rows.reserve(operations.size());
    for (const TarvikPaymentOperation &operation : operations) {
        rows.append(Row{
            operation.isPositive ? QStringLiteral("arrow.down.left") : QStringLiteral("arrow.up.right"),
            operation.title,
            operation.date,
            operation.amount,
            operation.isPositive,
            operation.id != lastId,
        });
    }
    return rows;
}

int StatisticsOperationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

QVariant StatisticsOperationModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case IconRole:
        return row.icon;
    case Qt::DisplayRole:
    case TitleRole:
        return row.title;
    case DateRole:
        return row.date;
    case AmountRole:
        return row.amount;
    case PositiveRole:
        return row.positive;
    case ShowsDividerRole:
        return row.showsDivider;
    default:
        return {};
    }
}

QHash<int, QByteArray> StatisticsOperationModel::roleNames() const
{
    return {
        {IconRole, "icon"},
        {TitleRole, "title"},
        {DateRole, "date"},
        {AmountRole, "amount"},
        {PositiveRole, "positive"},
        {ShowsDividerRole, "showsDivider"},
    };
}
