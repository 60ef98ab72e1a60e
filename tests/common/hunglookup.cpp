#include "hunglookup.h"

#include <condition_variable>
#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <netdb.h>

namespace
{
std::mutex guard;
std::condition_variable changed;
bool hanging = false;
int inside = 0;

using LookUp = int (*)(const char *, const char *, const addrinfo *, addrinfo **);
} // namespace

namespace HungLookup
{
void hang()
{
    const std::lock_guard lock(guard);
    hanging = true;
}

void release()
{
    const std::lock_guard lock(guard);
    hanging = false;
    changed.notify_all();
}

bool waitUntilHanging(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(guard);
    return changed.wait_for(lock, timeout, [] { return inside > 0; });
}

bool isHanging()
{
    const std::lock_guard lock(guard);
    return inside > 0;
}
} // namespace HungLookup

// Called by the resolver threads of libcurl in this process.
extern "C" int getaddrinfo(const char *node, const char *service, const addrinfo *hints, addrinfo **result)
{
    if (node && HungLookup::hungName == node) {
        std::unique_lock lock(guard);
        ++inside;
        changed.notify_all();
        changed.wait_for(lock, HungLookup::longest, [] { return !hanging; });
        --inside;
        changed.notify_all();
        return EAI_NONAME;
    }
    static const auto next = reinterpret_cast<LookUp>(dlsym(RTLD_NEXT, "getaddrinfo"));
    return next(node, service, hints, result);
}
