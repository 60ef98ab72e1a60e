#pragma once

#include "tarvikerror.h"

// Failures of the top-up that the user is told about.
enum class TarvikPaymentError {
    InvalidAmount,
    CheckoutUnavailable,
    InvalidCheckoutURL,
};

template<>
struct TarvikErrorDomainOf<TarvikPaymentError> {
    static constexpr TarvikError::Domain value = TarvikError::Domain::Payment;
};

QString description(TarvikPaymentError error);
TarvikError makeError(TarvikPaymentError error);
