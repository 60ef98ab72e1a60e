#include "accountfixture.h"
#include "passwordrecoveryservice.h"
#include "passwordrecoveryserviceqml.h"
#include "qmlrender.h"

#include <QQuickWindow>
#include <QTest>

namespace
{
const QByteArray imports = "import QtQuick\nimport Tarvik.Design\nimport Tarvik.Account\n";

// Each document's act() brings the screen into the state worth looking at.
const QByteArray signIn = imports + "LoginView { function act() { password = 'tarvik2026'; showPassword = true; signIn() } }";
const QByteArray recovery = imports
    + "Item {\n"
      "    function act() { sheet.item.submitRecovery() }\n"
      "    function actSent() { sheet.item.resultMessage = 'На указанный телефон отправлено SMS-сообщение с авторизационными данными.' }\n"
      "    Sheet { id: sheet; presented: true; sourceComponent: Component { ForgotPasswordView {} } }\n"
      "}";
const QByteArray addAccount = imports
    + "NavigationStack {\n"
      "    function act() { push(form) }\n"
      "    function actSent() { push(form).showAccepted = true }\n"
      "    Component { id: form; AddAccountView {} }\n"
      "    initialItem: NavigationPage { title: 'Главная' }\n"
      "}";
std::function<void(QQuickWindow *, QObject *)> calling(const char *function)
{
    return [function](QQuickWindow *, QObject *root) { QMetaObject::invokeMethod(root, function); };
}
} // namespace

// Renders the sign-in, recovery and add-account screens offscreen; the PNGs land
// in screenshots/account-*.png in the test's build folder.
class AccountRenderTest : public QObject
{
    Q_OBJECT

private:
    AccountFixture m_fixture;
    std::unique_ptr<PasswordRecoveryService> m_recovery;
    std::unique_ptr<PasswordRecoveryServiceQml> m_recoveryQml;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_fixture.start());
        m_recovery = std::make_unique<PasswordRecoveryService>(m_fixture.site->baseUrl(), m_fixture.network.get());
        m_recoveryQml = std::make_unique<PasswordRecoveryServiceQml>(m_recovery.get(), nullptr);
        PasswordRecoveryServiceQml::setInstance(m_recoveryQml.get());
    }

    void cleanupTestCase()
    {
        PasswordRecoveryServiceQml::setInstance(nullptr);
        TarvikAccountStoreQml::setInstance(nullptr);
    }

    void renders_data()
    {
        QTest::addColumn<QByteArray>("qml");
        QTest::addColumn<QByteArray>("function");

        QTest::newRow("account-signin") << signIn << QByteArray();
        QTest::newRow("account-signin-message") << signIn << QByteArray("act");
        QTest::newRow("account-recovery-message") << recovery << QByteArray("act");
        QTest::newRow("account-recovery-sent") << recovery << QByteArray("actSent");
        QTest::newRow("account-add") << addAccount << QByteArray("act");
        QTest::newRow("account-add-accepted") << addAccount << QByteArray("actSent");
    }

    void renders()
    {
        QFETCH(QByteArray, qml);
        QFETCH(QByteArray, function);
        QmlRenderOptions options;
        if (!function.isEmpty())
            options.interact = calling(function.constData());
        TARVIK_VERIFY_RENDER(renderQml(QString::fromLatin1(QTest::currentDataTag()), qml, options));
    }
};

QTEST_MAIN(AccountRenderTest)

#include "tst_accountrender.moc"
