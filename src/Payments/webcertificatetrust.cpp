#include "webcertificatetrust.h"

#include "checkoutcertificatetrust.h"

WebCertificateTrust::WebCertificateTrust(QObject *parent)
    : QObject(parent)
{ }

bool WebCertificateTrust::accepts(const QWebEngineCertificateError &error)
{
    return CheckoutCertificateTrust::accepts(error);
}
