#include "defaultskeys.h"

namespace Defaults
{
namespace
{
template<const auto &Key>
QVariant fallbackOf()
{
    return QVariant::fromValue(Key.fallback());
}

#define TARVIK_DEFAULTS_ENTRY(key) Entry{key.name, &fallbackOf<key>, key.maxLength}

const Entry table[] = {
    TARVIK_DEFAULTS_ENTRY(signedIn),
    TARVIK_DEFAULTS_ENTRY(cachedFirstName),
    TARVIK_DEFAULTS_ENTRY(unreadNotificationIds),
    TARVIK_DEFAULTS_ENTRY(deletedNotificationIds),
    TARVIK_DEFAULTS_ENTRY(verifiedEmail),
    TARVIK_DEFAULTS_ENTRY(twoFactorEnabled),
    TARVIK_DEFAULTS_ENTRY(notificationsEnabled),
    TARVIK_DEFAULTS_ENTRY(profileAvatarJpeg),
    TARVIK_DEFAULTS_ENTRY(testMessageScheduled),
    TARVIK_DEFAULTS_ENTRY(shopCart),
    TARVIK_DEFAULTS_ENTRY(shopCartRemindersScheduled),
    TARVIK_DEFAULTS_ENTRY(supportChatMessages),
};

#undef TARVIK_DEFAULTS_ENTRY
} // namespace

std::span<const Entry> entries()
{
    return table;
}

qsizetype maxLength(QStringView key)
{
    for (const Entry &entry : table) {
        if (key == QLatin1String(entry.name))
            return entry.maxLength;
    }
    return 0;
}
} // namespace Defaults
