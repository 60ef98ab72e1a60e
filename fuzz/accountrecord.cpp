#include "fuzzing.h"
#include "tarvikstoredrecords.h"

// The cached account as read back from the settings file: whatever decodes must survive being
// written and read again unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto cached = TarvikCachedAccount::fromJson(fuzzInput(data, size));
    if (!cached)
        return 0;
    const auto again = TarvikCachedAccount::fromJson(cached->toJson());
    FUZZ_ASSERT(again);
    FUZZ_ASSERT(again->account == cached->account);
    FUZZ_ASSERT(again->lastUpdated == cached->lastUpdated);
    return 0;
}
