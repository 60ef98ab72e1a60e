#pragma once

#include <QHostAddress>
#include <QSslCertificate>
#include <QSslKey>
#include <QTemporaryDir>

// A throw-away certificate authority and a server certificate signed by it, made with openssl in a
// private temporary folder. Clients trust the CA file; nothing relaxes verification.
class StandinCertificates
{
public:
    StandinCertificates();

    // Issues a server certificate for `address`, 127.0.0.1 and localhost. False when openssl failed.
    bool generate(const QHostAddress &address);

    QString caFile() const;
    QSslCertificate caCertificate() const { return m_ca; }
    QSslCertificate serverCertificate() const { return m_certificate; }
    QSslKey serverKey() const { return m_key; }
    QString errorString() const { return m_error; }

private:
    bool run(const QStringList &arguments);

    QTemporaryDir m_dir;
    QSslCertificate m_ca;
    QSslCertificate m_certificate;
    QSslKey m_key;
    QString m_error;
};
