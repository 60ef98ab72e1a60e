#include "webcertificatetrust.h"

#include "checkoutcertificatetrust.h"

#include <QSslCertificate>

WebCertificateTrust::WebCertificateTrust(QObject *parent)
    : QObject(parent)
{ }

bool WebCertificateTrust::accepts(const QUrl &url, bool unknownAuthority, const QStringList &pemChain)
{
    QList<QSslCertificate> certificates;
    for (const QString &pem : pemChain)
        certificates.append(QSslCertificate(pem.toLatin1()));
    return CheckoutCertificateTrust::accepts(unknownAuthority, certificates, url.host(), CheckoutCertificateTrust::extraAuthorities());
}
