#include "fuzzing.h"
#include "passwordrecoveryservice.h"

// The password-recovery reply of the site, with the status taken from the first byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int status = data[0] < 128 ? 200 : 100 + data[0];
    const Result<QString> result = PasswordRecoveryService::interpret(status, fuzzInput(data + 1, size - 1));
    FUZZ_ASSERT(result ? !result->isEmpty() : result.error().hasDescription());
    return 0;
}
