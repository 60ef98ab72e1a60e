#include "lazywebengine.h"
#include "webprofiledata.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

// The partner pages' web data at the end of a session: what a run never opened goes from disk at
// once, without the web engine; what is open is emptied by its pages and goes from disk the next
// time it is opened, before any page can read it.
class WebProfileDataTest : public QObject
{
    Q_OBJECT

private:
    const QString m_storage = WebProfileData::partnerTVStorage;

    // What a partner session leaves: cookies, local storage, visited links, cached pages.
    void leaveData()
    {
        const QStringList folders = WebProfileData::folders(m_storage);
        for (const QString &file : {folders.at(0) + QStringLiteral("/Cookies"), folders.at(0) + QStringLiteral("/Local Storage/leveldb/000003.log"),
                                    folders.at(0) + QStringLiteral("/Visited Links"), folders.at(1) + QStringLiteral("/Cache/data_1")}) {
            QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
            QFile written(file);
            QVERIFY(written.open(QIODevice::WriteOnly));
            written.write("partner session of the previous subscriber");
        }
    }

    bool anyDataLeft() const
    {
        for (const QString &folder : WebProfileData::folders(m_storage)) {
            if (QDir(folder).exists())
                return true;
        }
        return false;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("tst_webprofiledata"));
    }

    void init()
    {
        for (const QString &folder : WebProfileData::folders(m_storage))
            QDir(folder).removeRecursively();
        QFile::remove(WebProfileData::folders(m_storage).constFirst() + QStringLiteral(".erase"));
    }

    // The web engine's own places for a persistent profile: data with the app's data, cache with
    // its caches.
    void foldersAreTheEngines()
    {
        const QStringList folders = WebProfileData::folders(m_storage);
        QCOMPARE(folders.size(), 2);
        QCOMPARE(folders.at(0), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/QtWebEngine/TarvikPartnerTV"));
        QCOMPARE(folders.at(1), QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/QtWebEngine/TarvikPartnerTV"));
    }

    void notOpenedThisRunGoesAtOnce()
    {
        leaveData();
        WebProfileData data(nullptr);
        QSignalSpy requested(&data, &WebProfileData::eraseRequested);
        data.erase();
        QVERIFY(!anyDataLeft());
        QCOMPARE(requested.size(), 1);
        // No web page opened: the engine was not loaded to do it.
        QVERIFY(!LazyWebEngine::isLoaded());
        // A profile opened after the erase starts empty and may keep what the next session stores.
        QVERIFY(data.openPersistent(m_storage));
    }

    void openThisRunGoesWhenNextOpened()
    {
        WebProfileData run(nullptr);
        QVERIFY(run.openPersistent(m_storage));
        leaveData();
        QSignalSpy requested(&run, &WebProfileData::eraseRequested);
        run.erase();
        QCOMPARE(requested.size(), 1);
        QCOMPARE(run.erasures(), 1);
        // The engine holds its folders this run: pages go on with a profile that keeps nothing.
        QVERIFY(!run.openPersistent(m_storage));
        QVERIFY(anyDataLeft());

        // The next run: gone before the profile opens.
        WebProfileData nextRun(nullptr);
        QVERIFY(nextRun.openPersistent(m_storage));
        QVERIFY(!anyDataLeft());
        // Only once: what the new session stores stays.
        leaveData();
        WebProfileData runAfter(nullptr);
        QVERIFY(runAfter.openPersistent(m_storage));
        QVERIFY(anyDataLeft());
    }
};

QTEST_GUILESS_MAIN(WebProfileDataTest)
#include "tst_webprofiledata.moc"
