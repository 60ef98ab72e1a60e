#include "webcertificates.h"

#include <QSslCertificate>

QStringList WebCertificates::chain(const QWebEngineCertificateError &error) const
{
    QStringList pem;
    const QList<QSslCertificate> certificates = error.certificateChain();
    for (const QSslCertificate &certificate : certificates)
        pem.append(QString::fromLatin1(certificate.toPem()));
    return pem;
}
