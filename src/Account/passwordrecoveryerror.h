#pragma once

#include "tarvikerror.h"

// Failures of the password-recovery request. `Server` carries the message shown,
// `Cooldown` the seconds to wait (TarvikError::number()).
enum class PasswordRecoveryError {
    Server,
    Cooldown,
    InvalidResponse,
};

template<>
struct TarvikErrorDomainOf<PasswordRecoveryError> {
    static constexpr TarvikError::Domain value = TarvikError::Domain::Recovery;
};

namespace PasswordRecoveryErrors
{
TarvikError server(const QString &message);
TarvikError cooldown(qint64 seconds);
TarvikError invalidResponse();
} // namespace PasswordRecoveryErrors
