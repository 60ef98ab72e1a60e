#include "standincertificates.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

StandinCertificates::StandinCertificates()
    : m_dir(QDir::temp().filePath(QStringLiteral("tarvik-standin-XXXXXX")))
{
}

QString StandinCertificates::caFile() const
{
    return m_dir.filePath(QStringLiteral("ca.pem"));
}

bool StandinCertificates::run(const QStringList &arguments)
{
    QProcess openssl;
    openssl.setWorkingDirectory(m_dir.path());
    openssl.start(QStringLiteral("openssl"), arguments);
    if (!openssl.waitForFinished(30000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        m_error = QStringLiteral("openssl %1 failed: %2").arg(arguments.first(), QString::fromLocal8Bit(openssl.readAllStandardError()));
        return false;
    }
    return true;
}

bool StandinCertificates::generate(const QHostAddress &address)
{
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder");
        return false;
    }
    QStringList names{QStringLiteral("IP:127.0.0.1"), QStringLiteral("DNS:localhost")};
    if (address != QHostAddress(QHostAddress::LocalHost))
        names.prepend(QStringLiteral("IP:") + address.toString());

    QFile extensions(m_dir.filePath(QStringLiteral("server.ext")));
    if (!extensions.open(QIODevice::WriteOnly))
        return false;
    extensions.write("basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=serverAuth\n");
    extensions.write("subjectAltName=" + names.join(QLatin1Char(',')).toLatin1() + "\n");
    extensions.close();

    // Each stand-in's CA is a CA of its own, by name too: a verifier that finds a CA by its name
    // must not take one for another.
    const QString caSubject = QStringLiteral("/CN=Tarvik Stand-in CA ") + QFileInfo(m_dir.path()).fileName().section(QLatin1Char('-'), -1);
    const QStringList ec{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                         QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    const bool made = run(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ec
                          + QStringList{QStringLiteral("-keyout"), QStringLiteral("ca.key"), QStringLiteral("-out"), QStringLiteral("ca.pem"),
                                        QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"), caSubject,
                                        QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                                        QStringLiteral("-addext"), QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")})
        && run(QStringList{QStringLiteral("req")} + ec
               + QStringList{QStringLiteral("-keyout"), QStringLiteral("server.key"), QStringLiteral("-out"), QStringLiteral("server.csr"),
                             QStringLiteral("-subj"), QStringLiteral("/CN=") + address.toString()})
        && run({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), QStringLiteral("server.csr"), QStringLiteral("-CA"),
                QStringLiteral("ca.pem"), QStringLiteral("-CAkey"), QStringLiteral("ca.key"), QStringLiteral("-CAcreateserial"),
                QStringLiteral("-out"), QStringLiteral("server.pem"), QStringLiteral("-days"), QStringLiteral("2"),
                QStringLiteral("-extfile"), QStringLiteral("server.ext")});
    if (!made)
        return false;

    const auto readFile = [this](const QString &name) {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    m_ca = QSslCertificate(readFile(QStringLiteral("ca.pem")));
    m_certificate = QSslCertificate(readFile(QStringLiteral("server.pem")));
    m_key = QSslKey(readFile(QStringLiteral("server.key")), QSsl::Ec);
    if (m_ca.isNull() || m_certificate.isNull() || m_key.isNull()) {
        m_error = QStringLiteral("openssl wrote unreadable certificates");
        return false;
    }
    return true;
}
