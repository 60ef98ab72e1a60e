#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <QWebEngineCertificateError>

// The parts of a web view's certificate error that QML cannot read itself.
class WebCertificates : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The chain the site sent, server certificate first, each in PEM.
    Q_INVOKABLE QStringList chain(const QWebEngineCertificateError &error) const;
};
