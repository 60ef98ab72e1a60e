#pragma once

#include <QString>

// A local notification to show once, `timeInterval` seconds after it was added to the centre.
struct NotificationRequest {
    // Names the request; adding another with the same identifier replaces it.
    QString identifier;
    QString title;
    QString body;
    // Play the notification service's own sound; without it the service is asked for silence.
    bool defaultSound = false;
    // Groups related notifications; kept with the request, the desktop service has no grouping of its own.
    QString threadIdentifier;
    // Seconds from adding to showing; must be positive.
    double timeInterval = 0;

    friend bool operator==(const NotificationRequest &, const NotificationRequest &) = default;
};
