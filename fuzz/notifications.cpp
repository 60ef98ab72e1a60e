#include "clock.h"
#include "fuzzing.h"
#include "usernotificationcenter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

// The pending-notifications file as the notification centre reads it at start.
namespace
{
QTemporaryDir *s_folder = nullptr;
const ManualClock *s_clock = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    s_folder = new QTemporaryDir;
    s_clock = new ManualClock(QDateTime(QDate(2026, 9, 2), QTime(10, 0)));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = s_folder->filePath(QStringLiteral("notifications.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(fuzzInput(data, size));
    file.close();
    UserNotificationCenter center(s_clock, path);
    for (const NotificationRequest &request : center.pendingNotificationRequests())
        FUZZ_ASSERT(center.nextTriggerDate(request.identifier).isValid());
    Q_UNUSED(center.authorizationStatus());
    return 0;
}
