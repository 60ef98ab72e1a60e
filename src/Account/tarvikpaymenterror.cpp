#include "tarvikpaymenterror.h"

QString description(TarvikPaymentError error)
{
    switch (error) {
    case TarvikPaymentError::InvalidAmount:
        return QStringLiteral("Введите сумму от 1 до 100 000 ₽");
    case TarvikPaymentError::CheckoutUnavailable:
        return QStringLiteral("Не удалось создать платёж. Проверьте интернет и попробуйте ещё раз.");
    case TarvikPaymentError::InvalidCheckoutURL:
        return QStringLiteral("Платёжный сервис вернул неверную ссылку. Попробуйте позже.");
    }
    Q_UNREACHABLE();
}

TarvikError makeError(TarvikPaymentError error)
{
    return TarvikError(TarvikError::Domain::Payment, int(error), description(error));
}
