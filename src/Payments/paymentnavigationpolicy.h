#pragma once

#include <QString>
#include <QUrl>

// Which addresses the checkout page may load inside the app, and which leave it for a bank app.
// Pure decisions; PaymentWebViewCoordinator applies them.
namespace PaymentNavigationPolicy
{
enum class Decision {
    Allow,
    Cancel,
    // Cancel in the view and hand the address, unchanged, to the bank app that owns its scheme.
    CancelAndHandOff,
};

// For every navigation of the page, main frame and embedded frames alike.
Decision decide(const QUrl &url);
// Whether a lower-cased scheme names a bank app ("bank" + digits, or one of the known four).
bool isBankAppScheme(const QString &scheme);
// The page asked for a new window: the address to load in the same view instead, or an empty
// address when the request is dropped.
QUrl newWindowTarget(const QUrl &url);
} // namespace PaymentNavigationPolicy
