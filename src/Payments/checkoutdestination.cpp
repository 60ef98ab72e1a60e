#include "checkoutdestination.h"

CheckoutDestination CheckoutDestination::make(const QUrl &url)
{
    return CheckoutDestination{.id = QUuid::createUuid(), .url = url};
}
