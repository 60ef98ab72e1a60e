#include "passwordrecoveryerror.h"

namespace PasswordRecoveryErrors
{
TarvikError server(const QString &message)
{
    return TarvikError(TarvikError::Domain::Recovery, int(PasswordRecoveryError::Server), message, 0, message);
}

TarvikError cooldown(qint64 seconds)
{
    return TarvikError(TarvikError::Domain::Recovery, int(PasswordRecoveryError::Cooldown),
                       QStringLiteral("Повторный запрос можно отправить через %1 сек.").arg(seconds), seconds);
}

TarvikError invalidResponse()
{
    return TarvikError(TarvikError::Domain::Recovery, int(PasswordRecoveryError::InvalidResponse),
                       QStringLiteral("Сервис восстановления временно недоступен. Попробуйте позже."));
}
} // namespace PasswordRecoveryErrors
