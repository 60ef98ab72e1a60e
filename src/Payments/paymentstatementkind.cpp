#include "paymentstatementkind.h"

namespace PaymentStatementKind
{
QList<Kind> all()
{
    return {WrongPayment, Recalculation};
}

QString title(Kind kind)
{
    switch (kind) {
    case WrongPayment:
        return QStringLiteral("Ошибочный платеж");
    case Recalculation:
        return QStringLiteral("Перерасчет");
    }
    return {};
}

QString listSubtitle(Kind kind)
{
    switch (kind) {
    case WrongPayment:
        return QStringLiteral("Если оплатили не тот лицевой счёт");
    case Recalculation:
        return QStringLiteral("Проверим списания и начисления");
    }
    return {};
}

QString formIntro(Kind kind)
{
    switch (kind) {
    case WrongPayment:
        return QStringLiteral("Укажите дату, сумму и комментарий — специалист проверит платёж.");
    case Recalculation:
        return QStringLiteral("Опишите ситуацию, по которой нужен перерасчёт начислений.");
    }
    return {};
}

bool showsAmountAndDate(Kind kind)
{
    return kind == WrongPayment;
}
} // namespace PaymentStatementKind
