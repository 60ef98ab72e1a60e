#pragma once

#include <QByteArray>
#include <QString>

// The payment service's pages that the stand-in's checkout addresses lead to. They offer what a
// checkout page can do to the app's web view: bank-app links (the four named schemes and a
// "bank" + digits one), another https page, the blank document, an http page, a mail link,
// windows opened by script, an embedded https frame with links of its own, a slow page, a page
// that never arrives and one whose connection breaks.
namespace StandinCheckoutPages
{
// The page at `path` ("/checkout/sbp", "/checkout/next", ...) as HTML, or an empty text when
// there is no such page. `origin` is "https://host[:port]"; `plainOrigin` the same host over http.
QByteArray page(const QString &path, const QString &origin, const QString &plainOrigin, const QString &amount);
} // namespace StandinCheckoutPages
