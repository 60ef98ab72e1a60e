#include "screenreaderstatus.h"
#include "xdgurlopener.h"

#include <QCoroTask>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace
{
const QString digitScheme = QStringLiteral("bank100000000111");

// A desktop portal's OpenURI on a second connection to the private bus: records each address and
// answers with the response code it was given.
class FakePortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.OpenURI")

public:
    explicit FakePortal(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
    }

    QStringList addresses;
    uint responseCode = 0;

public Q_SLOTS:
    Q_SCRIPTABLE QDBusObjectPath OpenURI(const QString &, const QString &uri, const QVariantMap &options, const QDBusMessage &message)
    {
        addresses.append(uri);
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path =
            QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, options.value(QStringLiteral("handle_token")).toString());
        // The answer comes after the reply, as from a real portal.
        QTimer::singleShot(0, this, [this, path] {
            QDBusMessage response = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
            response << responseCode << QVariantMap();
            m_bus.send(response);
        });
        return QDBusObjectPath(path);
    }

private:
    QDBusConnection m_bus;
};
} // namespace

// The desktop opener: through `gio open` with a registered handler for a numbered bank scheme (a
// desktop entry under a private XDG_DATA_HOME whose program logs its argument), and through a
// desktop portal on a private session bus.
class UrlOpenerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString data = m_dir.filePath(QStringLiteral("data"));
        const QString config = m_dir.filePath(QStringLiteral("config"));
        QVERIFY(QDir().mkpath(data + QStringLiteral("/applications")));
        QVERIFY(QDir().mkpath(config));
        qputenv("XDG_DATA_HOME", data.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        // The handler notes the switch that puts a Qt program on the accessibility bus, if it got it.
        writeFile(QStringLiteral("handler.sh"),
                  "#!/bin/sh\nprintf '%s\\n' \"$1${QT_LINUX_ACCESSIBILITY_ALWAYS_ON:+ (bus switch)}\" >> \"" + logPath().toLocal8Bit()
                      + "\"\n",
                  true);
        writeFile(QStringLiteral("data/applications/tarvik-test-bank.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Test bank\nExec=" + m_dir.filePath(QStringLiteral("handler.sh")).toLocal8Bit()
                      + " %u\nMimeType=x-scheme-handler/" + digitScheme.toLatin1() + ";\nNoDisplay=true\n");
    }

    void init()
    {
        QFile::remove(logPath());
        QFile::remove(m_dir.filePath(QStringLiteral("config/mimeapps.list")));
    }

    void throughTheDesktopsHandler_data()
    {
        QTest::addColumn<bool>("registered");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opened");

        // Capitals in the host and path arrive as written.
        QTest::newRow("a numbered scheme with a handler") << true << digitScheme + "://Main/PayByInvoice?id=0001" << true;
        QTest::newRow("no handler for the scheme") << false << digitScheme + "://Main/PayByInvoice?id=0001" << false;
        QTest::newRow("another scheme") << true << "sberpay://pay?order=1" << false;
        QTest::newRow("no scheme") << true << "/relative/path" << false;
    }

    void throughTheDesktopsHandler()
    {
        QFETCH(bool, registered);
        QFETCH(QString, address);
        QFETCH(bool, opened);
        if (QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
            QSKIP("gio is not installed");
        if (registered)
            writeFile(QStringLiteral("config/mimeapps.list"),
                      "[Default Applications]\nx-scheme-handler/" + digitScheme.toLatin1() + "=tarvik-test-bank.desktop\n");

        XdgUrlOpener opener(nullptr, QStringLiteral("gio"), false);
        QCOMPARE(QCoro::waitFor(opener.openAddress(address)), opened);
        if (opened)
            QTRY_COMPARE(readLog(), QStringList{address});
        else
            QCOMPARE(readLog(), QStringList());
    }

    // The app switches Qt's accessibility bridge on for itself; the program it hands an address to
    // makes its own choice.
    void theHandlerDoesNotGetTheAppsBusSwitch()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("gio")).isEmpty())
            QSKIP("gio is not installed");
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
        ScreenReaderStatus::joinAccessibilityBus();
        QVERIFY(qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
        writeFile(QStringLiteral("config/mimeapps.list"),
                  "[Default Applications]\nx-scheme-handler/" + digitScheme.toLatin1() + "=tarvik-test-bank.desktop\n");
        const QString address = digitScheme + QStringLiteral("://pay");
        XdgUrlOpener opener(nullptr, QStringLiteral("gio"), false);
        QVERIFY(QCoro::waitFor(opener.openAddress(address)));
        QTRY_COMPARE(readLog(), QStringList{address});
    }

    void aMissingProgramOpensNothing()
    {
        XdgUrlOpener opener(nullptr, m_dir.filePath(QStringLiteral("no-such-program")), false);
        QCOMPARE(QCoro::waitFor(opener.openAddress(digitScheme + "://x")), false);
    }

    void throughThePortal_data()
    {
        QTest::addColumn<uint>("responseCode");
        QTest::addColumn<bool>("opened");
        QTest::newRow("handed to an application") << 0u << true;
        QTest::newRow("cancelled by the user") << 1u << false;
        QTest::newRow("failed") << 2u << false;
    }

    void throughThePortal()
    {
        QFETCH(uint, responseCode);
        QFETCH(bool, opened);
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus (run under scripts/with-session-bus.sh)");
        QDBusConnection portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
        FakePortal portal(portalBus);
        portal.responseCode = responseCode;
        QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal, QDBusConnection::ExportScriptableSlots));
        QVERIFY(portalBus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

        // No program: only the portal can deliver.
        XdgUrlOpener opener(nullptr, m_dir.filePath(QStringLiteral("no-such-program")), true);
        const QString address = digitScheme + "://Main/PayByInvoice?id=0001";
        QCOMPARE(QCoro::waitFor(opener.openAddress(address)), opened);
        QCOMPARE(portal.addresses, QStringList{address});

        portalBus.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        portalBus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("portal"));
    }

private:
    QString logPath() const { return m_dir.filePath(QStringLiteral("log")); }

    void writeFile(const QString &name, const QByteArray &body, bool executable = false)
    {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(body);
        file.close();
        if (executable)
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QStringList readLog() const
    {
        QFile log(logPath());
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(UrlOpenerTest)

#include "tst_urlopener.moc"
