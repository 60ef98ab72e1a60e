#include "webcertificatetrust.h"

#include <QSslConfiguration>
#include <QSslError>

namespace
{
std::function<QList<QSslCertificate>()> &configuredAuthorities()
{
    static std::function<QList<QSslCertificate>()> authorities;
    return authorities;
}

// QSslCertificate::verify() trusts the default configuration's authorities (and the system's):
// swap ours in for the one synchronous call. Requests of the app go through the app's transport,
// not Qt's TLS, so none of them sees the swap.
QList<QSslError> verifyTrusting(const QList<QSslCertificate> &extra, const QList<QSslCertificate> &chain, const QString &host)
{
    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = saved;
    trusting.addCaCertificates(extra);
    QSslConfiguration::setDefaultConfiguration(trusting);
    const QList<QSslError> errors = QSslCertificate::verify(chain, host);
    QSslConfiguration::setDefaultConfiguration(saved);
    return errors;
}
} // namespace

WebCertificateTrust::WebCertificateTrust(QObject *parent)
    : QObject(parent)
{ }

void WebCertificateTrust::setExtraAuthorities(const QList<QSslCertificate> &authorities)
{
    configuredAuthorities() = [authorities] { return authorities; };
}

void WebCertificateTrust::setExtraAuthorities(std::function<QList<QSslCertificate>()> authorities)
{
    configuredAuthorities() = std::move(authorities);
}

QList<QSslCertificate> WebCertificateTrust::extraAuthorities()
{
    return configuredAuthorities() ? configuredAuthorities()() : QList<QSslCertificate>{};
}

bool WebCertificateTrust::acceptsChain(bool unknownAuthority, const QList<QSslCertificate> &chain, const QString &host,
                                       const QList<QSslCertificate> &authorities)
{
    // An unknown authority may hide a wrong name or date (the engine reports one error only):
    // the checks below repeat all of them.
    if (!unknownAuthority || authorities.isEmpty() || host.isEmpty())
        return false;
    // The verifier looks the root up itself; a served copy of it is left out.
    QList<QSslCertificate> path;
    for (const QSslCertificate &certificate : chain) {
        if (!authorities.contains(certificate))
            path.append(certificate);
    }
    if (path.isEmpty() || path.first().isNull())
        return false;
    if (!verifyTrusting(authorities, path, host).isEmpty())
        return false;
    // Valid only because of the extra CA: a chain the engine refused for its own reasons, but that
    // some other authority vouches for, stays refused.
    return !QSslCertificate::verify(path, host).isEmpty();
}

bool WebCertificateTrust::accepts(const QUrl &url, bool unknownAuthority, const QStringList &pemChain)
{
    QList<QSslCertificate> certificates;
    for (const QString &pem : pemChain)
        certificates.append(QSslCertificate(pem.toLatin1()));
    return acceptsChain(unknownAuthority, certificates, url.host(), extraAuthorities());
}
