#pragma once

#include "tarvikerror.h"

// Failures of the personal-account client. `Server` carries the site's text as its description,
// `Http` the status code (TarvikError::number()).
enum class TarvikAPIError {
    Server,
    Http,
    InvalidCredentials,
    SessionExpired,
    InvalidResponse,
};

template<>
struct TarvikErrorDomainOf<TarvikAPIError> {
    static constexpr TarvikError::Domain value = TarvikError::Domain::Api;
};

namespace TarvikAPIErrors
{
TarvikError server(const QString &message);
TarvikError http(int status);
TarvikError invalidCredentials();
TarvikError sessionExpired();
TarvikError invalidResponse();
} // namespace TarvikAPIErrors
