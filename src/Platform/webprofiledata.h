#pragma once

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// What the app's web pages keep on disk between runs (the partner TV pages' persistent profile:
// cookies, storage, cache, visited links), and its erasure when a session ends, without loading
// the web engine for it. A profile not opened this run loses its folders at once. One that is open
// is emptied by its page side (eraseRequested()) and retired for the rest of the run; its folders
// go when it is next opened, before any page. Reached from QML as the singleton WebProfileData.
class WebProfileData : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // How many times the data was erased this run: a profile made before the last erase is not
    // to be used again.
    Q_PROPERTY(int erasures READ erasures NOTIFY eraseRequested)
    Q_PROPERTY(QString partnerTVStorage READ partnerTVStorageName CONSTANT)

public:
    // The persistent profile of the partner TV pages.
    static const QString partnerTVStorage;

    // No default: QML is to take the instance set here, not make one of its own.
    explicit WebProfileData(QObject *parent);

    static void setInstance(WebProfileData *data);
    static WebProfileData *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    // Where the web engine keeps the persistent profile `storageName`: its data folder, then its
    // cache folder.
    static QStringList folders(const QString &storageName);

    int erasures() const { return m_erasures; }
    QString partnerTVStorageName() const { return partnerTVStorage; }

    // Forgets what every persistent profile holds: the session it belonged to has ended.
    void erase();
    // The page side is about to make the persistent profile `storageName`. Data an erase left
    // behind in an earlier run goes first. False when the profile was erased while open this run:
    // its storage cannot be opened again until the next run, and pages use one that keeps nothing.
    Q_INVOKABLE bool openPersistent(const QString &storageName);

Q_SIGNALS:
    // The profiles made this run are to empty themselves now.
    void eraseRequested();

private:
    static QString pendingMarker(const QString &storageName);
    static void removeFolders(const QString &storageName);

    int m_erasures = 0;
    QSet<QString> m_open;
    QSet<QString> m_retired;
    static inline QPointer<WebProfileData> s_instance;
};
