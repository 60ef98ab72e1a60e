#include "networkaccess.h"

#include "logging.h"
#include "sharedcookiestore.h"

#include <QNetworkAccessManager>
#include <QSslCertificate>

NetworkAccess::NetworkAccess(const QString &extraCaFile, QObject *parent)
    : QObject(parent)
    , m_cookieStore(new SharedCookieStore(this))
    , m_ssl(QSslConfiguration::defaultConfiguration())
{
    if (!extraCaFile.isEmpty()) {
        m_extraCa = QSslCertificate::fromPath(extraCaFile, QSsl::Pem);
        if (m_extraCa.isEmpty())
            qCWarning(lcHttp) << "No certificate could be read from" << extraCaFile;
        m_ssl.addCaCertificates(m_extraCa);
    }
}

NetworkAccess::~NetworkAccess() = default;

QNetworkAccessManager *NetworkAccess::createManager(QObject *parent) const
{
    auto *manager = new QNetworkAccessManager(parent);
    manager->setCookieJar(m_cookieStore);
    // setCookieJar re-parents the jar to the manager: keep it owned by us.
    m_cookieStore->setParent(const_cast<NetworkAccess *>(this));
    return manager;
}

void NetworkAccess::prepare(QNetworkRequest &request) const
{
    request.setSslConfiguration(m_ssl);
}
