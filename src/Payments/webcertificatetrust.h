#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The checkout page's certificate rule for any web view of the app, as the QML singleton
// `WebCertificateTrust`: only the configured extra CA's own chains get past an unknown authority.
// A web view hands over what its certificate error tells (the chain through `WebCertificates` of
// Tarvik.Web), so that nothing here needs the web engine.
class WebCertificateTrust : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit WebCertificateTrust(QObject *parent = nullptr);

    // `unknownAuthority`: the engine's error is CertificateAuthorityInvalid; `pemChain`: the chain
    // the site sent, server certificate first, each in PEM.
    Q_INVOKABLE static bool accepts(const QUrl &url, bool unknownAuthority, const QStringList &pemChain);
};
