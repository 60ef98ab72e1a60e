#include "fixturequicktestsetup.h"
#include "testpaths.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QJsonObject>
#include <QPainter>
#include <QSettings>

// What the profile screens' tests reach as the singleton `Account`: the session and the site.
class ProfileControl : public QObject
{
    Q_OBJECT

public:
    explicit ProfileControl(AccountFixture *fixture)
        : m_fixture(fixture)
        , m_contacts(fixture->site->actionReply(QStringLiteral("action3")))
    {
    }

    // Signed in afresh with nothing held and a fresh inbox and profile.
    Q_INVOKABLE bool reset()
    {
        m_fixture->site->releaseHeld();
        UserDefaults *defaults = m_fixture->defaults.get();
        for (const char *key : {"tarvikUnreadNotificationIDs", "tarvikDeletedNotificationIDs", "tarvikVerifiedEmail",
                                "tarvikTwoFactorEnabled", "tarvikProfileAvatarJPEG", "tarvikNotificationsEnabled"})
            defaults->remove(QLatin1String(key));
        m_fixture->site->setActionReply(QStringLiteral("action3"), m_contacts);
        const bool signedIn = m_fixture->signIn();
        m_fixture->site->clearRequests();
        return signedIn;
    }
    // Serves these phone numbers (as the site writes them; "" is no number) and publishes the account.
    Q_INVOKABLE bool publishPhones(const QString &mobile, const QString &home)
    {
        QJsonObject contacts = m_contacts;
        contacts.insert(QStringLiteral("mobile_phone"), mobile);
        contacts.insert(QStringLiteral("home_phone"), home);
        m_fixture->site->setActionReply(QStringLiteral("action3"), contacts);
        return bool(await(m_fixture->store->refresh()));
    }
    // Serves this name and address and publishes the account.
    Q_INVOKABLE bool publishContacts(const QString &name, const QString &address)
    {
        QJsonObject contacts = m_contacts;
        contacts.insert(QStringLiteral("fio"), name);
        contacts.insert(QStringLiteral("address"), address);
        m_fixture->site->setActionReply(QStringLiteral("action3"), contacts);
        return bool(await(m_fixture->store->refresh()));
    }
    // Writes `value` under `key` straight into the settings file, as an earlier version may have left it.
    Q_INVOKABLE void storeAsWritten(const QString &key, const QString &value)
    {
        QSettings file(m_fixture->defaults->filePath(), QSettings::IniFormat);
        file.setValue(key, value);
        file.sync();
    }
    Q_INVOKABLE bool isStored(const QString &key) const { return m_fixture->defaults->contains(key); }
    Q_INVOKABLE void hold(const QString &key) { m_fixture->site->hold(key); }
    Q_INVOKABLE void releaseHeld() { m_fixture->site->releaseHeld(); }
    Q_INVOKABLE int heldCount() const { return m_fixture->site->heldCount(); }
    Q_INVOKABLE int requestCount(const QString &key) const { return int(m_fixture->site->requestKeys().count(key)); }
    // A picture as the profile stores it: standard Base64 of JPEG bytes.
    Q_INVOKABLE QString jpegBase64() const
    {
        QImage image(QSize(96, 96), QImage::Format_RGB32);
        image.fill(QColor(226, 84, 155));
        QPainter painter(&image);
        painter.fillRect(QRect(0, 48, 96, 48), QColor(240, 128, 48));
        painter.end();
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPEG");
        return QString::fromLatin1(jpeg.toBase64());
    }
    // Where a test saves the picture of a screen: screenshots/<name>.png in the folder the test runs in.
    Q_INVOKABLE QString screenshotPath(const QString &name) const
    {
        return QDir(screenshotDir()).filePath(name + QStringLiteral(".png"));
    }

private:
    AccountFixture *m_fixture;
    const QJsonObject m_contacts;
};

class ProfileSetup : public FixtureQuickTestSetup
{
    Q_OBJECT

protected:
    std::unique_ptr<QObject> prepare(AccountFixture *fixture) override { return std::make_unique<ProfileControl>(fixture); }
    const char *controlName() const override { return "Account"; }
};

TARVIK_QUICK_TEST_MAIN(tst_profileqml, ProfileSetup)
#include "tst_profileqml.moc"
