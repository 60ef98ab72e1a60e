#include "webprofiledata.h"

#include "logging.h"
#include "qmlsingleton.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace
{
// The web engine's rule for a persistent profile's folders: <standard location>/QtWebEngine/<name>.
QString engineFolder(QStandardPaths::StandardLocation location, const QString &storageName)
{
    QString base = QStandardPaths::writableLocation(location);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.") + QCoreApplication::applicationName();
    return base + QStringLiteral("/QtWebEngine/") + storageName;
}
} // namespace

const QString WebProfileData::partnerTVStorage = QStringLiteral("TarvikPartnerTV");

namespace
{
// Every persistent profile of the app's pages (the checkout's is kept in memory only).
const QStringList persistentProfiles{WebProfileData::partnerTVStorage};
} // namespace

WebProfileData::WebProfileData(QObject *parent)
    : QObject(parent)
{
}

void WebProfileData::setInstance(WebProfileData *data)
{
    s_instance = data;
}

WebProfileData *WebProfileData::create(QQmlEngine *, QJSEngine *jsEngine)
{
    return provideQmlSingleton<WebProfileData>(s_instance.data(), [jsEngine] { return new WebProfileData(jsEngine); });
}

QStringList WebProfileData::folders(const QString &storageName)
{
    return {engineFolder(QStandardPaths::AppDataLocation, storageName), engineFolder(QStandardPaths::CacheLocation, storageName)};
}

QString WebProfileData::pendingMarker(const QString &storageName)
{
    return folders(storageName).constFirst() + QStringLiteral(".erase");
}

void WebProfileData::removeFolders(const QString &storageName)
{
    for (const QString &folder : folders(storageName)) {
        if (QDir(folder).exists() && !QDir(folder).removeRecursively())
            qCWarning(lcSession) << "web data not wholly removed from" << folder;
    }
    QFile::remove(pendingMarker(storageName));
}

void WebProfileData::erase()
{
    ++m_erasures;
    for (const QString &storageName : persistentProfiles) {
        if (!m_open.contains(storageName)) {
            removeFolders(storageName);
            continue;
        }
        // The engine holds the folders open: they go the next time the profile is opened, and the
        // page side empties what it can now.
        m_retired.insert(storageName);
        QFile marker(pendingMarker(storageName));
        if (!marker.open(QIODevice::WriteOnly))
            qCWarning(lcSession) << "web data could not be marked for removal:" << marker.errorString();
    }
    Q_EMIT eraseRequested();
}

bool WebProfileData::openPersistent(const QString &storageName)
{
    if (m_retired.contains(storageName))
        return false;
    if (!m_open.contains(storageName)) {
        if (QFile::exists(pendingMarker(storageName)))
            removeFolders(storageName);
        m_open.insert(storageName);
    }
    return true;
}
