#pragma once

#include <QList>
#include <QObject>
#include <QSslCertificate>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <functional>

// The certificate errors any web view of the app may get past, as the QML singleton
// `WebCertificateTrust`. Only one: an unknown authority, when the chain leads to the extra CA the
// app was configured with (the stand-in site's) and only through it, and is valid for the host in
// every other respect. Every other error is refused; nothing else relaxes the web view's
// verification. With no extra CA configured, nothing is accepted. A web view hands over what its
// certificate error tells (the chain through `WebCertificates` of Tarvik.Web), so that nothing
// here needs the web engine.
class WebCertificateTrust : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit WebCertificateTrust(QObject *parent = nullptr);

    // Set once, by main() from NetworkAccess::extraCaCertificates() or by a test.
    static void setExtraAuthorities(const QList<QSslCertificate> &authorities);
    // The same, read when first needed (main(): reading them loads TLS).
    static void setExtraAuthorities(std::function<QList<QSslCertificate>()> authorities);
    static QList<QSslCertificate> extraAuthorities();

    // `unknownAuthority`: the engine's error is CertificateAuthorityInvalid (its only report).
    static bool acceptsChain(bool unknownAuthority, const QList<QSslCertificate> &chain, const QString &host,
                             const QList<QSslCertificate> &authorities);

    // The rule for a web view against the configured authorities: `pemChain` is the chain the
    // site sent, server certificate first, each in PEM.
    Q_INVOKABLE static bool accepts(const QUrl &url, bool unknownAuthority, const QStringList &pemChain);
};
