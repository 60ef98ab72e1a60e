#include "tarvikaccounterror.h"

QString description(TarvikAccountError error)
{
    switch (error) {
    case TarvikAccountError::InvalidCredentials:
        return QStringLiteral("Неверный логин или пароль");
    case TarvikAccountError::Unavailable:
        return QStringLiteral("Личный кабинет временно недоступен");
    case TarvikAccountError::InvalidResponse:
        return QStringLiteral("Не удалось прочитать данные кабинета");
    }
    Q_UNREACHABLE();
}

TarvikError makeError(TarvikAccountError error)
{
    return TarvikError(TarvikError::Domain::Account, int(error), description(error));
}
