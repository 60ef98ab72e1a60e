#include "networkaccess.h"
#include "passwordrecoveryerror.h"
#include "passwordrecoveryrules.h"
#include "passwordrecoveryservice.h"
#include "sharedcookiestore.h"
#include "standinfixture.h"

#include <QNetworkCookie>
#include <QTest>

namespace
{
const QString recoveryKey = QStringLiteral("/pass_recovery_send.jsp");
const QString noMatch = QStringLiteral("Соответствие лицевого счёта и телефона не найдено. Обратитесь в поддержку Tarvik.");
const QString unavailable = QStringLiteral("Сервис восстановления временно недоступен. Попробуйте позже.");
const QString fillBoth = QStringLiteral("Заполните оба поля");
const QString tooLong = QStringLiteral("Лицевой счёт должен содержать не более 7 цифр");
const QString notMobile = QStringLiteral("Введите мобильный номер, начинающийся с +7 9");

// "ok:<text>" or "<domain>/<case> <text>", to compare outcomes in one column.
QString outcome(const Result<QString> &result)
{
    if (result)
        return QStringLiteral("ok:") + *result;
    const TarvikError &error = result.error();
    return QStringLiteral("%1/%2 %3").arg(int(error.domain())).arg(error.code()).arg(error.description());
}

QString failure(PasswordRecoveryError error, const QString &text)
{
    return QStringLiteral("%1/%2 %3").arg(int(TarvikError::Domain::Recovery)).arg(int(error)).arg(text);
}
} // namespace

// The recovery form's rules and the recovery request against the stand-in site.
class PasswordRecoveryTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StandinSite> m_site;
    std::unique_ptr<NetworkAccess> m_network;
    std::unique_ptr<PasswordRecoveryService> m_service;

private Q_SLOTS:
    void initTestCase()
    {
        m_site = startStandin();
        QVERIFY(m_site);
        m_network = std::make_unique<NetworkAccess>(m_site->caFile());
        m_service = std::make_unique<PasswordRecoveryService>(m_site->baseUrl(), m_network.get());
    }

    void init()
    {
        m_site->clearOverrides();
        m_site->clearRequests();
    }

    void accountInput()
    {
        QCOMPARE(PasswordRecoveryRules::accountInput(QStringLiteral("0012345678")), QStringLiteral("0012345"));
        QCOMPARE(PasswordRecoveryRules::accountInput(QStringLiteral(" 68-4a7²٤8２")), QStringLiteral("68478"));
    }

    void submission_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("sentAccount");
        QTest::addColumn<QString>("sentPhone");

        QTest::newRow("formatted mobile") << "684782" << "+7 (912) 345-67-89" << "" << "684782" << "79123456789";
        QTest::newRow("leading zeros kept") << "0000001" << "+7 (912) 345-67-89" << "" << "0000001" << "79123456789";
        QTest::newRow("ten digits starting with 9") << "684782" << "9123456789" << "" << "684782" << "79123456789";
        QTest::newRow("account empty") << "" << "+7 (912) 345-67-89" << fillBoth << "" << "79123456789";
        QTest::newRow("phone without digits") << "684782" << "+ ( ) -" << fillBoth << "684782" << "";
        // "+7 " holds the digit 7: the phone is not empty, just not a mobile number.
        QTest::newRow("phone left at the prefix") << "684782" << "+7 " << notMobile << "684782" << "7";
        QTest::newRow("eight account digits") << "12345678" << "+7 (912) 345-67-89" << tooLong << "1234567" << "79123456789";
        QTest::newRow("landline") << "684782" << "+7 (495) 123-45-67" << notMobile << "684782" << "74951234567";
        QTest::newRow("other scripts do not make a mobile") << "684782" << QStringLiteral("+7 (٩١٢) ٣٤٥-٦٧-٨٩") << notMobile << "684782" << "7";
    }

    void submission()
    {
        QFETCH(QString, account);
        QFETCH(QString, phone);
        QFETCH(QString, refusal);
        QFETCH(QString, sentAccount);
        QFETCH(QString, sentPhone);
        const PasswordRecoveryRules::Submission result = PasswordRecoveryRules::submission(account, phone);
        QCOMPARE(result.refusal, refusal);
        QCOMPARE(result.account, sentAccount);
        QCOMPARE(result.phone, sentPhone);
    }

    void requestAsTheSiteReceivesIt()
    {
        // The shared cookie store's cookies for the host go along.
        QNetworkCookie cookie("visitor", "42");
        cookie.setDomain(m_site->baseUrl().host());
        cookie.setPath(QStringLiteral("/"));
        m_network->cookieStore()->insert(cookie);

        const auto result = await(m_service->send(QStringLiteral("0068478"), QStringLiteral("79123456789")));
        QCOMPARE(outcome(result), failure(PasswordRecoveryError::Server, noMatch));
        const QList<StandinSite::Request> requests = m_site->requests();
        QCOMPARE(requests.size(), 1);
        const StandinSite::Request &request = requests.first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.path, recoveryKey);
        QCOMPARE(request.query, QByteArray("bill=0068478&phone=79123456789"));
        QCOMPARE(request.header("X-Requested-With"), QByteArray("XMLHttpRequest"));
        QCOMPARE(request.header("User-Agent"), QByteArray("Tarvik iOS/1.0"));
        QVERIFY(request.header("Referer").isEmpty());
        QVERIFY(request.body.isEmpty());
        QCOMPARE(request.cookies.value("visitor"), QByteArray("42"));
        m_network->cookieStore()->remove(cookie);
    }

    void replies_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");

        const QString sent = QStringLiteral("ok:") + PasswordRecoveryService::successText;
        const QString invalid = failure(PasswordRecoveryError::InvalidResponse, unavailable);
        const auto cooldown = [](const QString &number) {
            return failure(PasswordRecoveryError::Cooldown, QStringLiteral("Повторный запрос можно отправить через %1 сек.").arg(number));
        };
        const auto server = [](const QString &text) { return failure(PasswordRecoveryError::Server, text); };

        QTest::newRow("sent") << 200 << QByteArray("{\"res\": true, \"error\": null}") << sent;
        QTest::newRow("sent whatever error holds") << 200 << QByteArray("{\"res\": true, \"error\": \"120\"}") << sent;
        QTest::newRow("empty error") << 200 << QByteArray("{\"res\": false, \"error\": \"\"}") << server(noMatch);
        QTest::newRow("blank error") << 200 << QByteArray("{\"res\": false, \"error\": \" \\n\\t \"}") << server(noMatch);
        QTest::newRow("no error") << 200 << QByteArray("{\"res\": false}") << server(noMatch);
        QTest::newRow("cooldown with spaces") << 200 << QByteArray("{\"res\": false, \"error\": \" 120 \"}") << cooldown("120");
        QTest::newRow("negative cooldown") << 200 << QByteArray("{\"res\": false, \"error\": \"-5\"}") << cooldown("-5");
        QTest::newRow("number with a word") << 200 << QByteArray("{\"res\": false, \"error\": \"120 сек\"}") << server("120 сек");
        QTest::newRow("beyond 64 bits") << 200 << QByteArray("{\"res\": false, \"error\": \"99999999999999999999\"}")
                                        << server("99999999999999999999");
        QTest::newRow("message trimmed") << 200 << QByteArray("{\"res\": false, \"error\": \"\\n Неверный номер \"}")
                                         << server(QStringLiteral("Неверный номер"));
        QTest::newRow("res as a number") << 200 << QByteArray("{\"res\": 1}") << invalid;
        QTest::newRow("error as a number") << 200 << QByteArray("{\"res\": false, \"error\": 120}") << invalid;
        QTest::newRow("not json") << 200 << QByteArray("<html>Ошибка</html>") << invalid;
        QTest::newRow("created") << 201 << QByteArray("{\"res\": true}") << invalid;
        QTest::newRow("server error") << 500 << QByteArray("{\"res\": true}") << invalid;
    }

    void replies()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        m_site->setOverride(recoveryKey, StandinSite::Override{.status = status, .body = body});
        QCOMPARE(outcome(await(m_service->send(QStringLiteral("684782"), QStringLiteral("79123456789")))), expected);
    }

    void transportFailurePassesThrough()
    {
        auto site = startStandin();
        QVERIFY(site);
        PasswordRecoveryService service(site->baseUrl(), m_network.get());
        site.reset();
        const auto result = await(service.send(QStringLiteral("684782"), QStringLiteral("79123456789")));
        QVERIFY(!result);
        QCOMPARE(result.error().domain(), TarvikError::Domain::Transport);
        QVERIFY(!result.error().description().isEmpty());
    }

};

QTEST_GUILESS_MAIN(PasswordRecoveryTest)

#include "tst_passwordrecovery.moc"
