#pragma once

#include <QByteArray>
#include <chrono>

// A name lookup that hangs inside the test process, as one does on a bad network: the test
// executable's own getaddrinfo() (exported, so that libcurl's resolver thread calls it) blocks
// for `hungName` until released, and then finds nothing. Every other name is looked up as usual.
// Link hunglookup.cpp into the test executable and set ENABLE_EXPORTS on it.
namespace HungLookup
{
// A name under a reserved top-level domain: nothing outside the process is ever asked for it.
inline const QByteArray hungName = QByteArrayLiteral("hung-lookup.test");

// Lookups of hungName from now on hang until release().
void hang();
// Ends every hanging lookup; the next ones do not hang.
void release();
// Whether a lookup of hungName is hanging now; waits up to `timeout` for one to begin.
bool waitUntilHanging(std::chrono::milliseconds timeout);
bool isHanging();
// A lookup hangs at most this long, so that a test that never releases it still ends.
constexpr std::chrono::seconds longest { 10 };
} // namespace HungLookup
