#include "tarvikapierror.h"

namespace TarvikAPIErrors
{
TarvikError server(const QString &message)
{
    return TarvikError(TarvikError::Domain::Api, int(TarvikAPIError::Server), message, 0, message);
}

TarvikError http(int status)
{
    return TarvikError(TarvikError::Domain::Api, int(TarvikAPIError::Http),
                       QStringLiteral("Личный кабинет временно недоступен. Попробуйте позже."), status);
}

TarvikError invalidCredentials()
{
    return TarvikError(TarvikError::Domain::Api, int(TarvikAPIError::InvalidCredentials),
                       QStringLiteral("Неверный логин или пароль"));
}

TarvikError sessionExpired()
{
    return TarvikError(TarvikError::Domain::Api, int(TarvikAPIError::SessionExpired),
                       QStringLiteral("Сессия завершилась. Войдите снова."));
}

TarvikError invalidResponse()
{
    return TarvikError(TarvikError::Domain::Api, int(TarvikAPIError::InvalidResponse),
                       QStringLiteral("Не удалось прочитать ответ личного кабинета"));
}
} // namespace TarvikAPIErrors
