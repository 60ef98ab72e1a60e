#pragma once

#include <QObject>
#include <QWebEngineCertificateError>
#include <QtQml/qqmlregistration.h>

// The checkout page's certificate rule for any web view of the app, as the QML singleton
// `WebCertificateTrust`: only the configured extra CA's own chains get past an unknown authority.
class WebCertificateTrust : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit WebCertificateTrust(QObject *parent = nullptr);

    Q_INVOKABLE static bool accepts(const QWebEngineCertificateError &error);
};
