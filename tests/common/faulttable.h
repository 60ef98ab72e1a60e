#pragma once

#include "standinfaults.h"

#include <QMetaType>

#include <span>

// The ways a broken or hostile server answers, as the fault-matrix tests put them to each request.
enum class Fault { Hang, SlowBody, EndlessBody, OversizedBody, TruncatedBody, Reset, WrongTypes, RedirectLoop, RedirectToHttp };
Q_DECLARE_METATYPE(Fault)

struct FaultInfo {
    Fault fault;
    const char *name;
    // What the stand-in serves; None where the test makes the fault itself (a held request, a body).
    StandinFault served;
};

inline constexpr FaultInfo faultTable[] = {
    { Fault::Hang, "hang", StandinFault::None },
    { Fault::SlowBody, "slow body", StandinFault::SlowBody },
    { Fault::EndlessBody, "endless", StandinFault::EndlessBody },
    { Fault::OversizedBody, "oversized", StandinFault::OversizedBody },
    { Fault::TruncatedBody, "truncated", StandinFault::TruncatedBody },
    { Fault::Reset, "reset", StandinFault::Reset },
    // Only the site's requests read JSON and follow redirects.
    { Fault::WrongTypes, "wrong types", StandinFault::None },
    { Fault::RedirectLoop, "redirect loop", StandinFault::RedirectLoop },
    { Fault::RedirectToHttp, "to http", StandinFault::RedirectToHttp },
};

// Every fault, for the site's requests.
inline constexpr std::span<const FaultInfo> siteFaults{ faultTable };
// What any download meets: the faults of the connection and of the body.
inline constexpr std::span<const FaultInfo> downloadFaults = siteFaults.first(6);
