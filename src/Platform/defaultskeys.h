#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <span>

// A stored preference: its key, the value it reads as while nothing is stored, and for a text
// shown on a screen its longest length (0: only UserDefaults::maxValueBytes).
template<typename T>
struct DefaultsKey {
    const char *name;
    T (*fallback)();
    qsizetype maxLength = 0;
};

using BoolKey = DefaultsKey<bool>;
using StringKey = DefaultsKey<QString>;
using DataKey = DefaultsKey<QByteArray>;

// Every key the app keeps in its user-defaults store, each with its default, declared once here.
namespace Defaults
{
inline constexpr BoolKey signedIn{"tarvikSignedIn", [] { return false; }};
inline constexpr StringKey cachedFirstName{"tarvikCachedFirstName", [] { return QStringLiteral("Абонент"); }, 100};

inline constexpr StringKey unreadNotificationIds{"tarvikUnreadNotificationIDs", [] { return QStringLiteral("0,1"); }};
inline constexpr StringKey deletedNotificationIds{"tarvikDeletedNotificationIDs", [] { return QString(); }};
// The longest address mail can carry.
inline constexpr StringKey verifiedEmail{"tarvikVerifiedEmail", [] { return QString(); }, 254};
inline constexpr BoolKey twoFactorEnabled{"tarvikTwoFactorEnabled", [] { return false; }};
inline constexpr BoolKey notificationsEnabled{"tarvikNotificationsEnabled", [] { return false; }};
inline constexpr StringKey profileAvatarJpeg{"tarvikProfileAvatarJPEG", [] { return QString(); }};
inline constexpr BoolKey testMessageScheduled{"tarvik-test-message-2026-09-02-v2", [] { return false; }};

inline constexpr DataKey shopCart{"tarvikShopCartV1", [] { return QByteArray(); }};
inline constexpr BoolKey shopCartRemindersScheduled{"tarvikShopCartRemindersScheduledV1", [] { return false; }};
inline constexpr DataKey supportChatMessages{"tarvikSupportChatMessagesV3", [] { return QByteArray(); }};

// The last-good-account cache key ends in the personal-account host name; see TarvikAccountCache.
inline constexpr const char *lastGoodAccountPrefix = "tarvikLastGoodAccountData.api.v1.";

// Every key above with its default and longest length, for lookups by name (StoredPreference).
struct Entry {
    const char *name;
    QVariant (*fallback)();
    qsizetype maxLength;
};
std::span<const Entry> entries();
// The longest length of the text stored under `key`; 0 when only the settings' own bound holds.
qsizetype maxLength(QStringView key);
} // namespace Defaults
