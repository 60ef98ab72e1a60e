#include "fuzzing.h"
#include "notificationidset.h"

#include <algorithm>

// The notifications inbox's stored sets of ids (read, deleted): a parsed set is ascending without
// duplicates, and written and read again it is the same set.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<qint64> ids = NotificationIdSet::parse(QString::fromUtf8(fuzzInput(data, size)));
    for (qsizetype i = 0; i < ids.size(); ++i) {
        FUZZ_ASSERT(ids.at(i) >= 0);
        FUZZ_ASSERT(i == 0 || ids.at(i - 1) < ids.at(i));
    }
    const QString stored = NotificationIdSet::serialise(ids);
    FUZZ_ASSERT(NotificationIdSet::parse(stored) == ids);
    FUZZ_ASSERT(NotificationIdSet::serialise(NotificationIdSet::parse(stored)) == stored);
    // Written from any list, in any order and with repeats, it reads back as that list's set.
    QList<qint64> shuffled = ids;
    std::reverse(shuffled.begin(), shuffled.end());
    shuffled += ids;
    FUZZ_ASSERT(NotificationIdSet::parse(NotificationIdSet::serialise(shuffled)) == ids);
    return 0;
}
