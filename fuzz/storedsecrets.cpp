#include "fuzzing.h"
#include "tarvikstoredrecords.h"

// The secret items as read back from the Secret Service: the credentials and the cookie list.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    if (const auto credentials = TarvikStoredCredentials::fromJson(input)) {
        const auto again = TarvikStoredCredentials::fromJson(credentials->toJson());
        FUZZ_ASSERT(again && *again == *credentials);
    }
    if (const auto cookies = TarvikStoredCookie::listFromJson(input)) {
        const auto again = TarvikStoredCookie::listFromJson(TarvikStoredCookie::listToJson(*cookies));
        FUZZ_ASSERT(again && again->size() == cookies->size());
    }
    return 0;
}
