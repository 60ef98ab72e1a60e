#include "profilephotopicker.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

namespace
{
const QString portalName = QStringLiteral("org.tarvik.test.portal");

// The portal's FileChooser on a second connection to the private bus: records the options of
// each request and answers as it is told, after its reply, as a real portal does.
class FakeFileChooser : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.FileChooser")

public:
    explicit FakeFileChooser(QDBusConnection bus)
        : m_bus(std::move(bus))
    {
    }

    uint responseCode = 0;
    QStringList uris;
    bool answers = true;
    // Replies with a path other than the one the token gives (as portals before version 0.9).
    bool ownPath = false;
    QVariantMap lastOptions;
    QString lastPath;
    int requests = 0;

    void respond()
    {
        QDBusMessage response = QDBusMessage::createSignal(lastPath, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
        response << responseCode << QVariantMap{{QStringLiteral("uris"), uris}};
        m_bus.send(response);
    }

public Q_SLOTS:
    Q_SCRIPTABLE QDBusObjectPath OpenFile(const QString &, const QString &, const QVariantMap &options, const QDBusMessage &message)
    {
        ++requests;
        lastOptions = options;
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        lastPath = ownPath ? QStringLiteral("/org/freedesktop/portal/desktop/request/%1/chooser%2").arg(sender).arg(requests)
                           : QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(sender, options.value(QStringLiteral("handle_token")).toString());
        if (answers)
            QTimer::singleShot(0, this, &FakeFileChooser::respond);
        return QDBusObjectPath(lastPath);
    }

private:
    QDBusConnection m_bus;
};

// The filters of a request as "name: kind pattern; …" lines, and their D-Bus signature.
QString describeFilters(const QVariant &value, QString *signature)
{
    const auto argument = value.value<QDBusArgument>();
    *signature = argument.currentSignature();
    QStringList filters;
    argument.beginArray();
    while (!argument.atEnd()) {
        QString name;
        argument.beginStructure();
        argument >> name;
        QStringList rules;
        argument.beginArray();
        while (!argument.atEnd()) {
            uint kind = 0;
            QString pattern;
            argument.beginStructure();
            argument >> kind >> pattern;
            argument.endStructure();
            rules.append(QStringLiteral("%1 %2").arg(kind).arg(pattern));
        }
        argument.endArray();
        argument.endStructure();
        filters.append(name + QStringLiteral(": ") + rules.join(QStringLiteral("; ")));
    }
    argument.endArray();
    return filters.join(QLatin1Char('\n'));
}
} // namespace

// The profile's photo picker: the coordinator's handling of what was picked (first file only,
// pictures only, loaded off the main thread, failures silent), and the desktop portal's chooser
// on a private session bus.
class ProfilePhotoPickerTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QUrl picture(const QString &name, QSize size = {40, 30})
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        const QString path = m_dir.filePath(name);
        image.save(path);
        return QUrl::fromLocalFile(path);
    }

    QUrl file(const QString &name, const QByteArray &bytes)
    {
        QFile out(m_dir.filePath(name));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return QUrl::fromLocalFile(out.fileName());
    }

    // Every load started so far has ended and handed on what it had.
    static void settle()
    {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void coordinator_data()
    {
        QTest::addColumn<QList<QUrl>>("results");
        QTest::addColumn<QSize>("picked"); // invalid: nothing is handed on
        QTest::newRow("nothing picked") << QList<QUrl>{} << QSize();
        QTest::newRow("a picture") << QList<QUrl>{picture(QStringLiteral("a.png"))} << QSize(40, 30);
        QTest::newRow("the first of two") << QList<QUrl>{picture(QStringLiteral("b.jpg"), {20, 10}), picture(QStringLiteral("c.png"))}
                                          << QSize(20, 10);
        QTest::newRow("first is no picture") << QList<QUrl>{file(QStringLiteral("notes.png"), "not a picture"), picture(QStringLiteral("d.png"))}
                                             << QSize();
        QTest::newRow("file gone") << QList<QUrl>{QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("gone.png")))} << QSize();
        QTest::newRow("not a local file") << QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.png"))} << QSize();
        QTest::newRow("a photo larger than the avatar") << QList<QUrl>{picture(QStringLiteral("large.jpg"), {1200, 900})} << QSize(341, 256);
    }

    // The presentation ends at once, whatever was picked; a picture arrives later, on the main thread.
    void coordinator()
    {
        QFETCH(QList<QUrl>, results);
        QFETCH(QSize, picked);
        int dismissals = 0;
        QList<QImage> images;
        bool onMainThread = true;
        ProfilePhotoPicker::Coordinator coordinator(
            [&](const QImage &image) {
                images.append(image);
                onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
            },
            [&] { ++dismissals; });
        coordinator.didFinishPicking(results);
        QCOMPARE(dismissals, 1);
        QVERIFY(images.isEmpty());
        if (picked.isValid()) {
            QTRY_COMPARE(images.size(), 1);
            QCOMPARE(images.first().size(), picked);
            QVERIFY(onMainThread);
        } else {
            settle();
            QVERIFY(images.isEmpty());
        }
    }

    // A coordinator gone before its picture has loaded hands nothing on.
    void goneBeforeTheLoadEnds()
    {
        int delivered = 0;
        auto coordinator = std::make_unique<ProfilePhotoPicker::Coordinator>([&](const QImage &) { ++delivered; }, [] {});
        coordinator->didFinishPicking({picture(QStringLiteral("late.png"))});
        coordinator.reset();
        settle();
        QCOMPARE(delivered, 0);
    }

    void throughThePortal_data()
    {
        QTest::addColumn<uint>("responseCode");
        QTest::addColumn<bool>("ownPath");
        QTest::addColumn<bool>("picked");
        QTest::newRow("chosen") << 0u << false << true;
        QTest::newRow("chosen, answered on the portal's own path") << 0u << true << true;
        QTest::newRow("cancelled") << 1u << false << false;
        QTest::newRow("failed") << 2u << false << false;
    }

    void throughThePortal()
    {
        QFETCH(uint, responseCode);
        QFETCH(bool, ownPath);
        QFETCH(bool, picked);
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus (run under scripts/with-session-bus.sh)");
        QDBusConnection portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("chooser"));
        FakeFileChooser chooser(portalBus);
        chooser.responseCode = responseCode;
        chooser.ownPath = ownPath;
        // A path of the portal's own is known only from its reply: its answer, given as after the
        // user's choice, is taken once the picker listens there.
        chooser.answers = !ownPath;
        chooser.uris = QStringList{picture(QStringLiteral("portal.png"), {12, 12}).toString()};
        QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &chooser, QDBusConnection::ExportScriptableSlots));
        QVERIFY(portalBus.registerService(portalName));

        ProfilePhotoPicker picker;
        picker.setPortalService(portalName);
        QSignalSpy images(&picker, &ProfilePhotoPicker::imagePicked);
        picker.setPresented(true);
        if (ownPath) {
            QTRY_COMPARE(chooser.requests, 1);
            QTRY_VERIFY((chooser.respond(), !picker.isPresented()));
        }
        QTRY_VERIFY(!picker.isPresented());
        QCOMPARE(chooser.requests, 1);
        // One picture at a time, images only.
        QCOMPARE(chooser.lastOptions.value(QStringLiteral("multiple")).toBool(), false);
        QString signature;
        QCOMPARE(describeFilters(chooser.lastOptions.value(QStringLiteral("filters")), &signature), QStringLiteral("Изображения: 1 image/*"));
        QCOMPARE(signature, QStringLiteral("a(sa(us))"));
        if (picked) {
            QTRY_COMPARE(images.size(), 1);
            QCOMPARE(images.first().first().value<QImage>().size(), QSize(12, 12));
        } else {
            settle();
            QCOMPARE(images.size(), 0);
        }

        portalBus.unregisterService(portalName);
        portalBus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("chooser"));
    }

    // Closed from outside while the chooser is up: an answer that comes after is not taken.
    void closedWhileChoosing()
    {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus (run under scripts/with-session-bus.sh)");
        QDBusConnection portalBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("chooser"));
        FakeFileChooser chooser(portalBus);
        chooser.answers = false;
        chooser.uris = QStringList{picture(QStringLiteral("closed.png")).toString()};
        QVERIFY(portalBus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &chooser, QDBusConnection::ExportScriptableSlots));
        QVERIFY(portalBus.registerService(portalName));

        ProfilePhotoPicker picker;
        picker.setPortalService(portalName);
        QSignalSpy images(&picker, &ProfilePhotoPicker::imagePicked);
        picker.setPresented(true);
        QTRY_COMPARE(chooser.requests, 1);
        picker.setPresented(false);
        // The first request's late answer, then a second request answered with another picture:
        // only the second is taken.
        chooser.respond();
        chooser.answers = true;
        chooser.uris = QStringList{picture(QStringLiteral("second.png"), {3, 3}).toString()};
        picker.setPresented(true);
        QTRY_COMPARE(images.size(), 1);
        settle();
        QCOMPARE(images.size(), 1);
        QCOMPARE(images.first().first().value<QImage>().size(), QSize(3, 3));

        portalBus.unregisterService(portalName);
        portalBus.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
        QDBusConnection::disconnectFromBus(QStringLiteral("chooser"));
    }

    void noPortal()
    {
        ProfilePhotoPicker picker;
        picker.setPortalService(QStringLiteral("org.tarvik.test.nobody"));
        QSignalSpy images(&picker, &ProfilePhotoPicker::imagePicked);
        picker.setPresented(true);
        QTRY_VERIFY(!picker.isPresented());
        QCOMPARE(images.size(), 0);
    }
};

QTEST_MAIN(ProfilePhotoPickerTest)
#include "tst_profilephotopicker.moc"
