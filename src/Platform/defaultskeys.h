#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <span>

// A stored preference: its key and the value it reads as while nothing is stored.
template<typename T>
struct DefaultsKey {
    const char *name;
    T (*fallback)();
};

using BoolKey = DefaultsKey<bool>;
using StringKey = DefaultsKey<QString>;
using DataKey = DefaultsKey<QByteArray>;

// Every key the app keeps in its user-defaults store, each with its default, declared once here.
namespace Defaults
{
inline constexpr BoolKey signedIn{"tarvikSignedIn", [] { return false; }};
inline constexpr StringKey cachedFirstName{"tarvikCachedFirstName", [] { return QStringLiteral("Абонент"); }};

inline constexpr StringKey unreadNotificationIds{"tarvikUnreadNotificationIDs", [] { return QStringLiteral("0,1"); }};
inline constexpr StringKey deletedNotificationIds{"tarvikDeletedNotificationIDs", [] { return QString(); }};
inline constexpr StringKey verifiedEmail{"tarvikVerifiedEmail", [] { return QString(); }};
inline constexpr BoolKey twoFactorEnabled{"tarvikTwoFactorEnabled", [] { return false; }};
inline constexpr BoolKey notificationsEnabled{"tarvikNotificationsEnabled", [] { return false; }};
inline constexpr StringKey profileAvatarJpeg{"tarvikProfileAvatarJPEG", [] { return QString(); }};
inline constexpr BoolKey testMessageScheduled{"tarvik-test-message-2026-09-02-v2", [] { return false; }};

inline constexpr DataKey shopCart{"tarvikShopCartV1", [] { return QByteArray(); }};
inline constexpr BoolKey shopCartRemindersScheduled{"tarvikShopCartRemindersScheduledV1", [] { return false; }};
inline constexpr DataKey supportChatMessages{"tarvikSupportChatMessagesV3", [] { return QByteArray(); }};

// The last-good-account cache key ends in the personal-account host name; see TarvikAccountCache.
inline constexpr const char *lastGoodAccountPrefix = "tarvikLastGoodAccountData.api.v1.";

// Every key above with its default, for lookups by name (StoredPreference).
struct Entry {
    const char *name;
    QVariant (*fallback)();
};
std::span<const Entry> entries();
} // namespace Defaults
