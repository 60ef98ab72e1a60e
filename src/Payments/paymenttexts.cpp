#include "paymenttexts.h"

#include "paymentstatementkind.h"
#include "tarvikaccountdata.h"

#include <QVariantMap>

namespace
{
const QString rubleSuffix = QStringLiteral(" ₽");
} // namespace

QString PaymentTexts::balanceText(const QString &balance)
{
    return TarvikAccountData::balanceText(balance);
}

QString PaymentTexts::recommendedPaymentText(const QString &recommendedPayment)
{
    return recommendedPayment + rubleSuffix;
}

QVariantList PaymentTexts::statementKinds()
{
    QVariantList kinds;
    for (const PaymentStatementKind::Kind kind : PaymentStatementKind::all()) {
        kinds.append(QVariantMap{
            {QStringLiteral("kind"), int(kind)},
            {QStringLiteral("title"), PaymentStatementKind::title(kind)},
            {QStringLiteral("subtitle"), PaymentStatementKind::listSubtitle(kind)},
        });
    }
    return kinds;
}
