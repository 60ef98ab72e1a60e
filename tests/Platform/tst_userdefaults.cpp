#include "appconfig.h"
#include "defaultsqml.h"
#include "storedpreference.h"
#include "userdefaults.h"

#include <QFileInfo>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class UserDefaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
    }

    void defaultsUntilWritten()
    {
        QTemporaryDir dir;
        UserDefaults defaults(dir.filePath(QStringLiteral("d.ini")));
        QCOMPARE(defaults.value(Defaults::signedIn), false);
        QCOMPARE(defaults.value(Defaults::cachedFirstName), QStringLiteral("Абонент"));
        QCOMPARE(defaults.value(Defaults::unreadNotificationIds), QStringLiteral("0,1"));
        QVERIFY(defaults.value(Defaults::shopCart).isEmpty());

        // Recording what reads so already (a first launch's sign-out) writes no file.
        QSignalSpy changed(&defaults, &UserDefaults::valueChanged);
        defaults.setValue(Defaults::signedIn, false);
        defaults.setValue(Defaults::cachedFirstName, QStringLiteral("Абонент"));
        QCOMPARE(QFileInfo(defaults.filePath()).size(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void valuesSurviveANewInstance()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("d.ini"));
        const QByteArray data("{\"items\":[]}\x00\xff", 14);
        {
            UserDefaults defaults(path);
            QSignalSpy changed(&defaults, &UserDefaults::valueChanged);
            defaults.setValue(Defaults::signedIn, true);
            defaults.setValue(Defaults::cachedFirstName, QStringLiteral("Анна"));
            defaults.setValue(Defaults::unreadNotificationIds, QString());
            defaults.setValue(Defaults::shopCart, data);
            defaults.setValue(Defaults::cachedFirstName, QStringLiteral("Анна"));
            QCOMPARE(changed.count(), 4); // an unchanged value is not announced again
        }
        UserDefaults reopened(path);
        QCOMPARE(reopened.value(Defaults::signedIn), true);
        QCOMPARE(reopened.value(Defaults::cachedFirstName), QStringLiteral("Анна"));
        // An empty text is a stored value, not a missing one.
        QCOMPARE(reopened.value(Defaults::unreadNotificationIds), QString());
        QCOMPARE(reopened.value(Defaults::shopCart), data);

        reopened.remove(QLatin1String(Defaults::signedIn.name));
        QCOMPARE(UserDefaults(path).value(Defaults::signedIn), false);
    }

    void configOverrides()
    {
        qputenv("TARVIK_BASE_URL", "https://127.0.0.1:4443");
        const AppConfig fromEnv = AppConfig::fromArguments({QStringLiteral("app")});
        QCOMPARE(fromEnv.baseUrl, QUrl(QStringLiteral("https://127.0.0.1:4443/")));
        QCOMPARE(fromEnv.host(), QStringLiteral("127.0.0.1"));

        const AppConfig fromArgs = AppConfig::fromArguments(
            {QStringLiteral("app"), QStringLiteral("--base-url"), QStringLiteral("https://LK.Example.ru/"), QStringLiteral("--ca-file=/tmp/ca.pem")});
        QCOMPARE(fromArgs.host(), QStringLiteral("lk.example.ru"));
        QCOMPARE(fromArgs.extraCaFile, QStringLiteral("/tmp/ca.pem"));
        qunsetenv("TARVIK_BASE_URL");
        QCOMPARE(AppConfig::fromArguments({QStringLiteral("app")}).baseUrl, AppConfig::compiledBaseUrl());

        // The shop's photo host: the build's unless the environment or the command line names one.
        QVERIFY(AppConfig::fromArguments({QStringLiteral("app")}).shopImageHost.isEmpty());
        qputenv("TARVIK_SHOP_IMAGE_HOST", "127.0.0.1:4443");
        QCOMPARE(AppConfig::fromArguments({QStringLiteral("app")}).shopImageHost, QStringLiteral("127.0.0.1:4443"));
        QCOMPARE(AppConfig::fromArguments({QStringLiteral("app"), QStringLiteral("--shop-image-host"), QStringLiteral("127.0.0.77")}).shopImageHost,
                 QStringLiteral("127.0.0.77"));
        qunsetenv("TARVIK_SHOP_IMAGE_HOST");
    }

    // The file holds personal data: it and the folders made for it are the user's alone.
    void fileAndFoldersAreOwnerOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("made/for/it/d.ini"));
        const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
            | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        UserDefaults defaults(path);
        defaults.setValue(Defaults::cachedFirstName, QStringLiteral("Анна"));
        defaults.setValue(Defaults::shopCart, QByteArray(1000, 'x'));
        QCOMPARE(QFileInfo(path).permissions() & others, QFileDevice::Permissions());
        for (const char *folder : {"made", "made/for", "made/for/it"})
            QCOMPARE(QFileInfo(dir.filePath(QLatin1String(folder))).permissions() & others, QFileDevice::Permissions());
        QCOMPARE(UserDefaults(path).value(Defaults::cachedFirstName), QStringLiteral("Анна"));
    }

    // A value past the limit is not written, and the one stored stays.
    void oversizedValuesAreRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("d.ini"));
        UserDefaults defaults(path);
        QVERIFY(defaults.setValue(QStringLiteral("k"), QByteArray(UserDefaults::maxValueBytes, 'a')));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not stored")));
        QVERIFY(!defaults.setValue(QStringLiteral("k"), QByteArray(UserDefaults::maxValueBytes + 1, 'b')));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not stored")));
        QVERIFY(!defaults.setValue(QStringLiteral("k"), QString(UserDefaults::maxValueBytes, QLatin1Char('c'))));
        QCOMPARE(UserDefaults(path).value(QStringLiteral("k")).toByteArray(), QByteArray(UserDefaults::maxValueBytes, 'a'));
        QVERIFY(QFileInfo(path).size() < 2 * UserDefaults::maxValueBytes);
    }

    // Every name QML has for a stored key is a key of the table, read with its default's type.
    void qmlNamesAreStoredKeys()
    {
        QTemporaryDir dir;
        UserDefaults defaults(dir.filePath(QStringLiteral("d.ini")));
        StoredPreference::setDefaults(&defaults);
        const QMetaObject &names = DefaultsQml::staticMetaObject;
        QVERIFY(names.propertyCount() > names.propertyOffset());
        for (int i = names.propertyOffset(); i < names.propertyCount(); ++i) {
            const char *name = names.property(i).name();
            QStringList warnings;
            const QVariant value = qmlPreference(QStringLiteral("Defaults.") + QLatin1String(name), &warnings);
            QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
            QVERIFY2(value.isValid() && value.metaType() != QMetaType::fromType<QVariant>(), name);
        }
    }

    // A key outside the table is an error the moment the element is made, and it stores nothing.
    void unknownKeysAreErrors_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("warning");
        QTest::newRow("misspelt name") << "Defaults.verifiedMail" << "Unable to assign \\[undefined\\] to QString";
        QTest::newRow("misspelt key") << "'tarvikVerifiedEMail'" << "is not a stored key";
        QTest::newRow("none") << "''" << "is not a stored key";
    }
    void unknownKeysAreErrors()
    {
        QFETCH(QString, key);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        UserDefaults defaults(dir.filePath(QStringLiteral("d.ini")));
        StoredPreference::setDefaults(&defaults);
        QStringList warnings;
        const QVariant value = qmlPreference(key, &warnings, QStringLiteral("x"));
        QVERIFY2(!warnings.filter(QRegularExpression(warning)).isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        QVERIFY(!value.isValid());
        defaults.sync();
        QCOMPARE(QFileInfo(defaults.filePath()).size(), 0);
    }

    // The office map's tile server and geocoder: built in, overridden by the environment, then by options.
    void mapConfigOverrides()
    {
        const AppConfig compiled = AppConfig::fromArguments({QStringLiteral("app")});
        QVERIFY(compiled.tileUrlTemplate.contains(QLatin1String("{z}")));
        QVERIFY(!compiled.tileAttribution.isEmpty());
        QCOMPARE(compiled.geocoderUrl.scheme(), QStringLiteral("https"));

        qputenv("TARVIK_TILE_URL", "https://127.0.0.1:4443/tiles/{z}/{x}/{y}.png");
        const AppConfig fromEnv = AppConfig::fromArguments({QStringLiteral("app")});
        QCOMPARE(fromEnv.tileUrlTemplate, QStringLiteral("https://127.0.0.1:4443/tiles/{z}/{x}/{y}.png"));
        const AppConfig fromArgs = AppConfig::fromArguments({QStringLiteral("app"), QStringLiteral("--tile-url=https://t/{z}/{x}/{y}"),
                                                             QStringLiteral("--tile-attribution"), QStringLiteral("Карта: стенд"),
                                                             QStringLiteral("--geocoder-url"), QStringLiteral("https://g/search")});
        qunsetenv("TARVIK_TILE_URL");
        QCOMPARE(fromArgs.tileUrlTemplate, QStringLiteral("https://t/{z}/{x}/{y}"));
        QCOMPARE(fromArgs.tileAttribution, QStringLiteral("Карта: стенд"));
        QCOMPARE(fromArgs.geocoderUrl, QUrl(QStringLiteral("https://g/search")));
        QCOMPARE(fromArgs.baseUrl, AppConfig::compiledBaseUrl());
    }

private:
    // What a StoredPreference made in QML with `key` reads (after writing `written`, if given),
    // and the warnings its making gave.
    static QVariant qmlPreference(const QString &key, QStringList *warnings, const QString &written = {})
    {
        QQmlEngine engine;
        engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        engine.setOutputWarningsToStandardError(false);
        QObject::connect(&engine, &QQmlEngine::warnings, &engine, [warnings](const QList<QQmlError> &errors) {
            for (const QQmlError &error : errors)
                warnings->append(error.toString());
        });
        QQmlComponent component(&engine);
        component.setData("import Tarvik.Platform\nStoredPreference { key: " + key.toUtf8() + " }", QUrl());
        const std::unique_ptr<QObject> preference(component.create());
        if (!preference) {
            warnings->append(component.errorString());
            return {};
        }
        if (!written.isEmpty())
            preference->setProperty("value", written);
        return preference->property("value");
    }
};

QTEST_GUILESS_MAIN(UserDefaultsTest)
#include "tst_userdefaults.moc"
