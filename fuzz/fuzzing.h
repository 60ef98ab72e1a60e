#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>

// What every target shares: the input as bytes, and a failed property that libFuzzer reports.
inline QByteArray fuzzInput(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

#define FUZZ_ASSERT(condition)                                                                                                             \
    do {                                                                                                                                   \
        if (!(condition))                                                                                                                  \
            __builtin_trap();                                                                                                              \
    } while (false)
