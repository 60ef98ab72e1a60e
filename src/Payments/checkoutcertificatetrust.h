#pragma once

#include <QList>
#include <QSslCertificate>

#include <functional>

// The certificate errors the checkout page may get past. Only one: an unknown authority, when the
// chain leads to the extra CA the app was configured with (the stand-in site's) and only through
// it, and is valid for the host in every other respect. Every other error is refused; nothing else
// relaxes the web view's verification. With no extra CA configured, nothing is accepted.
class CheckoutCertificateTrust
{
public:
    // Set once, by main() from NetworkAccess::extraCaCertificates() or by a test.
    static void setExtraAuthorities(const QList<QSslCertificate> &authorities);
    // The same, read when first needed (main(): reading them loads TLS).
    static void setExtraAuthorities(std::function<QList<QSslCertificate>()> authorities);
    static QList<QSslCertificate> extraAuthorities();

    // `unknownAuthority`: the engine's error is CertificateAuthorityInvalid (its only report).
    static bool accepts(bool unknownAuthority, const QList<QSslCertificate> &chain, const QString &host,
                        const QList<QSslCertificate> &authorities);
};
