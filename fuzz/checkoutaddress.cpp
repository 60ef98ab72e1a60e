#include "fuzzing.h"
#include "tarvikapi.h"

// The checkout request's reply: the address of the payment page, or the site's reason why not.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Result<QUrl> address = TarvikAPI::checkoutAddress(fuzzInput(data, size));
    if (address) {
        FUZZ_ASSERT(address->scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0);
        FUZZ_ASSERT(!address->host().isEmpty());
        FUZZ_ASSERT(address->userInfo().isEmpty());
        FUZZ_ASSERT(address->toString().size() <= 3 * TarvikAPI::maxCheckoutAddressLength);
    } else {
        FUZZ_ASSERT(address.error().hasDescription());
    }
    return 0;
}
