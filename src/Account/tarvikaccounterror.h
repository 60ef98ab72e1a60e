#pragma once

#include "tarvikerror.h"

// Failures of the account store that the user is told about.
enum class TarvikAccountError {
    InvalidCredentials,
    Unavailable,
    InvalidResponse,
};

template<>
struct TarvikErrorDomainOf<TarvikAccountError> {
    static constexpr TarvikError::Domain value = TarvikError::Domain::Account;
};

QString description(TarvikAccountError error);
TarvikError makeError(TarvikAccountError error);
