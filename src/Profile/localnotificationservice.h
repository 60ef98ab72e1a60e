#pragma once

class UserDefaults;
class UserNotificationCenter;

// The one-time test notification: scheduled at launch until the centre has once accepted it.
namespace LocalNotificationService
{
// Returns at once; asks for permission and, when granted, shows "Tarvik" 10 s later.
void scheduleOneTimeTestMessage(UserDefaults *defaults, UserNotificationCenter *notifications);
} // namespace LocalNotificationService
