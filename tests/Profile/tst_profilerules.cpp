#include "aboutinfo.h"
#include "emailverification.h"
#include "fakenotificationdaemon.h"
#include "notificationpermission.h"
#include "profiletexts.h"
#include "userdefaults.h"
#include "usernotificationcenter.h"

#include "clock.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The profile's texts from account data, the e-mail confirmation and the keys it writes, the
// notification switch and the about screen's version line.
class ProfileRulesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_run = 0;

    std::unique_ptr<UserDefaults> freshDefaults()
    {
        return std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("defaults-%1.ini").arg(++m_run)));
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void header_data()
    {
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("heroTitle");
        QTest::addColumn<QString>("phoneRow");

        const QString name = QStringLiteral("Смирнова Анна");
        QTest::newRow("mobile") << "+7 912 000-00-00" << "—" << name << "+7 912 000-00-00" << "+7 912 000-00-00";
        QTest::newRow("mobile trimmed for the header") << "  +7 912\n" << "—" << name << "+7 912" << "  +7 912\n";
        QTest::newRow("no mobile, home") << "—" << "222-33-44" << name << "222-33-44" << "222-33-44";
        QTest::newRow("blank mobile, no home") << "   " << "—" << name << name << "   ";
        QTest::newRow("empty mobile, home") << "" << "222-33-44" << name << "222-33-44" << "";
        QTest::newRow("neither") << "—" << "—" << "  Абонент Tarvik " << "  Абонент Tarvik " << "—";
        QTest::newRow("dash with blanks is a dash") << " — " << "222" << name << "222" << " — ";
    }

    void header()
    {
        QFETCH(QString, mobile);
        QFETCH(QString, home);
        QFETCH(QString, fullName);
        QFETCH(QString, heroTitle);
        QFETCH(QString, phoneRow);
        QCOMPARE(ProfileTexts::heroTitle(mobile, home, fullName), heroTitle);
        QCOMPARE(ProfileTexts::phoneRowValue(mobile, home), phoneRow);
    }

    void avatarLetter()
    {
        QCOMPARE(ProfileTexts::avatarLetter(QStringLiteral("Абонент")), QStringLiteral("А"));
        QCOMPARE(ProfileTexts::avatarLetter(QStringLiteral("ёлка")), QStringLiteral("Ё"));
        QCOMPARE(ProfileTexts::avatarLetter(QString()), QString());
    }

    void sendCode_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("address") << "anna@mail.ru" << true;
        QTest::newRow("only the two marks") << ".@" << true;
        QTest::newRow("trailing blanks") << "anna@mail.ru  " << true;
        QTest::newRow("no at sign") << "anna.mail.ru" << false;
        QTest::newRow("no dot") << "anna@mailru" << false;
        QTest::newRow("empty") << "" << false;
    }

    void sendCode()
    {
        QFETCH(QString, email);
        QFETCH(bool, accepted);
        auto defaults = freshDefaults();
        EmailVerification verification(defaults.get());
        verification.setEmail(email);
        verification.press();
        QCOMPARE(verification.codeSent(), accepted);
        QCOMPARE(verification.message(), accepted ? QString() : QStringLiteral("Введите корректный адрес e-mail."));
        QCOMPARE(verification.buttonTitle(), accepted ? QStringLiteral("Подтвердить e-mail") : QStringLiteral("Получить код"));
        QVERIFY(!defaults->contains(QStringLiteral("tarvikVerifiedEmail")));
    }

    void verify_data()
    {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("storedEmail");
        QTest::addColumn<bool>("twoFactor");

        const QString wrong = QStringLiteral("Неверный код. Для макета используйте 8806.");
        QTest::newRow("profile") << int(EmailVerification::Profile) << "8806" << "E-mail подтверждён и добавлен в профиль."
                                 << "anna@mail.ru" << false;
        QTest::newRow("two-factor") << int(EmailVerification::TwoFactor) << "8806" << "Двухфакторная аутентификация подключена."
                                    << "anna@mail.ru" << true;
        QTest::newRow("wrong code") << int(EmailVerification::TwoFactor) << "1234" << wrong << "" << false;
        QTest::newRow("code with a blank") << int(EmailVerification::TwoFactor) << " 8806" << wrong << "" << false;
        QTest::newRow("code with a trailing blank") << int(EmailVerification::Profile) << "8806 " << wrong << "" << false;
        QTest::newRow("other scripts' digits") << int(EmailVerification::Profile) << "８８０６" << wrong << "" << false;
    }

    void verify()
    {
        QFETCH(int, purpose);
        QFETCH(QString, code);
        QFETCH(QString, message);
        QFETCH(QString, storedEmail);
        QFETCH(bool, twoFactor);
        auto defaults = freshDefaults();
        EmailVerification verification(defaults.get());
        verification.setPurpose(EmailVerification::Purpose(purpose));
        verification.setEmail(QStringLiteral("  anna@mail.ru \n"));
        verification.press();
        QVERIFY(verification.codeSent());
        verification.setCode(code);
        verification.press();
        QCOMPARE(verification.message(), message);
        QCOMPARE(defaults->value(QStringLiteral("tarvikVerifiedEmail")).toString(), storedEmail);
        QCOMPARE(defaults->value(QStringLiteral("tarvikTwoFactorEnabled"), false).toBool(), twoFactor);
        QCOMPARE(defaults->contains(QStringLiteral("tarvikTwoFactorEnabled")), twoFactor);
        // Still in code entry: another press checks again.
        verification.clearMessage();
        verification.press();
        QCOMPARE(verification.message(), message);
    }

    // An address is kept up to the longest that mail carries (254 characters); a longer one is not
    // reported as confirmed, and two-factor sign-in is not said to be on.
    void addressLengths_data()
    {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("kept");
        for (const int length : {254, 255, 32767, int(UserDefaults::maxValueBytes)}) {
            QTest::addRow("profile, %d characters", length) << int(EmailVerification::Profile) << length << (length <= 254);
            QTest::addRow("two-factor, %d characters", length) << int(EmailVerification::TwoFactor) << length << (length <= 254);
        }
    }
    void addressLengths()
    {
        QFETCH(int, purpose);
        QFETCH(int, length);
        QFETCH(bool, kept);
        auto defaults = freshDefaults();
        defaults->setValue(QStringLiteral("tarvikVerifiedEmail"), QStringLiteral("anna@mail.ru"));
        EmailVerification verification(defaults.get());
        verification.setPurpose(EmailVerification::Purpose(purpose));
        const QString typed = QString(length - 8, QLatin1Char('a')) + QStringLiteral("@mail.ru");
        verification.setEmail(typed);
        verification.press();
        QVERIFY(verification.codeSent());
        verification.setCode(QStringLiteral("8806"));
        if (!kept)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not stored")));
        verification.press();
        if (kept) {
            QVERIFY(!verification.message().startsWith(QLatin1String("Не удалось")));
            QCOMPARE(defaults->value(QStringLiteral("tarvikVerifiedEmail")).toString(), typed);
            QCOMPARE(defaults->contains(QStringLiteral("tarvikTwoFactorEnabled")), purpose == EmailVerification::TwoFactor);
            return;
        }
        QCOMPARE(verification.message(), QStringLiteral("Не удалось сохранить e-mail: адрес слишком длинный."));
        QCOMPARE(defaults->value(QStringLiteral("tarvikVerifiedEmail")).toString(), QStringLiteral("anna@mail.ru"));
        QVERIFY(!defaults->contains(QStringLiteral("tarvikTwoFactorEnabled")));
    }

    void storedAddressIsOffered()
    {
        auto defaults = freshDefaults();
        defaults->setValue(QStringLiteral("tarvikVerifiedEmail"), QStringLiteral("anna@mail.ru"));
        EmailVerification verification(defaults.get());
        verification.appear();
        QCOMPARE(verification.email(), QStringLiteral("anna@mail.ru"));
        QVERIFY(!verification.codeSent());
        // A typed address is not replaced.
        EmailVerification typed(defaults.get());
        typed.setEmail(QStringLiteral("x@y.z"));
        typed.appear();
        QCOMPARE(typed.email(), QStringLiteral("x@y.z"));
    }

    void notificationSwitch_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::newRow("granted") << true;
        QTest::newRow("denied") << false;
    }

    void notificationSwitch()
    {
        QFETCH(bool, granted);
        FakeNotificationDaemon daemon;
        QVERIFY(daemon.start(granted ? FakeNotificationDaemon::Mode::Answer : FakeNotificationDaemon::Mode::Refuse));
        ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        auto defaults = freshDefaults();
        UserNotificationCenter center(&clock, m_dir.filePath(QStringLiteral("notifications-%1.json").arg(m_run)));
        NotificationPermission permission(&center, defaults.get());

        // Not asked yet: off, and written so.
        QCOMPARE(permission.status(), NotificationPermission::NotDetermined);
        defaults->setValue(QStringLiteral("tarvikNotificationsEnabled"), true);
        permission.refresh();
        QCOMPARE(defaults->value(QStringLiteral("tarvikNotificationsEnabled")).toBool(), false);

        QSignalSpy status(&permission, &NotificationPermission::statusChanged);
        permission.requestAgain();
        QVERIFY(permission.isRequesting());
        QTRY_VERIFY(!permission.isRequesting());
        QCOMPARE(permission.status(), granted ? NotificationPermission::Authorized : NotificationPermission::Denied);
        QCOMPARE(status.size(), 1);
        QCOMPARE(defaults->value(QStringLiteral("tarvikNotificationsEnabled")).toBool(), granted);
    }

    // Each refresh asks the service: a service that went away turns the switch off, one that came
    // back turns it on again.
    void notificationSwitchAsksTheServiceEachTime()
    {
        FakeNotificationDaemon daemon;
        QVERIFY(daemon.start());
        ManualClock clock(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        auto defaults = freshDefaults();
        UserNotificationCenter center(&clock, m_dir.filePath(QStringLiteral("notifications-%1.json").arg(m_run)));
        NotificationPermission permission(&center, defaults.get());
        const auto switchedOn = [&] { return defaults->value(QStringLiteral("tarvikNotificationsEnabled")).toBool(); };

        permission.requestAgain();
        QTRY_VERIFY(switchedOn());
        const int asked = daemon.capabilityRequests;

        daemon.setMode(FakeNotificationDaemon::Mode::Refuse);
        permission.refresh();
        QTRY_VERIFY(!switchedOn());
        QCOMPARE(permission.status(), NotificationPermission::Denied);

        daemon.setMode(FakeNotificationDaemon::Mode::Answer);
        permission.refresh();
        QTRY_VERIFY(switchedOn());
        QCOMPARE(daemon.capabilityRequests, asked + 2);
    }

    void notificationSwitchWithoutAnswer()
    {
        auto defaults = freshDefaults();
        defaults->setValue(QStringLiteral("tarvikNotificationsEnabled"), true);
        NotificationPermission permission(nullptr, defaults.get());
        permission.refresh();
        QCOMPARE(defaults->value(QStringLiteral("tarvikNotificationsEnabled")).toBool(), true);
    }

    void versionLine()
    {
        QCOMPARE(AboutInfo::versionLine(QStringLiteral("2.3"), QStringLiteral("45")), QStringLiteral("Версия 2.3 (45)"));
        QCOMPARE(AboutInfo::versionLine(QString(), QString()), QStringLiteral("Версия 1.0 (1)"));
        // This build's line comes from the build settings.
        QVERIFY(AboutInfo::versionLine().startsWith(QStringLiteral("Версия ")));
        QVERIFY(!AboutInfo::versionLine().contains(QStringLiteral("()")));
    }

    void site()
    {
        QCOMPARE(AboutInfo::siteUrl(QStringLiteral("http://example.org/path?q")), QUrl(QStringLiteral("https://example.org/")));
        QCOMPARE(AboutInfo::siteUrl(QStringLiteral("example.org")), QUrl(QStringLiteral("https://example.org/")));
        QVERIFY(AboutInfo::siteUrl(QString()).isEmpty());
        QCOMPARE(AboutInfo::policyUrl().scheme(), QStringLiteral("https"));
        QCOMPARE(AboutInfo::policyUrl().path(), QStringLiteral("/policy.html"));
        QCOMPARE(AboutInfo::policyUrl().host(), AboutInfo::siteDomain());
    }
};

QTEST_GUILESS_MAIN(ProfileRulesTest)
#include "tst_profilerules.moc"
