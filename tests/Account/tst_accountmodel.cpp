#include "tarvikaccountdata.h"
#include "tarvikapierror.h"
#include "tarvikapiobject.h"
#include "tarvikapiredirectdelegate.h"
#include "tarvikstoredrecords.h"

#include <QJsonDocument>
#include <QTest>

class AccountModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placeholderAccount()
    {
        const TarvikAccountData account;
        QVERIFY(account.accountNumber.isEmpty());
        QCOMPARE(account.fullName, QStringLiteral("Абонент Tarvik"));
        QCOMPARE(account.balance, QStringLiteral("—"));
        QCOMPARE(account.monthlyCharges, QStringLiteral("—"));
        QCOMPARE(account.firstName(), QStringLiteral("Абонент"));
    }

    void firstName_data()
    {
        QTest::addColumn<QString>("fullName");
        QTest::addColumn<QString>("firstName");
        // Where a patronymic tells which word is the given name.
        QTest::newRow("surname first") << QStringLiteral("Смирнова Анна Сергеевна") << QStringLiteral("Анна");
        QTest::newRow("given name first") << QStringLiteral("Анна Викторовна Соколова") << QStringLiteral("Анна");
        QTest::newRow("-ич, extra spaces") << QStringLiteral("  Иванов   Пётр  Ильич ") << QStringLiteral("Пётр");
        QTest::newRow("-евич") << QStringLiteral("Бабич Сергей Андреевич") << QStringLiteral("Сергей");
        QTest::newRow("-инична, capitals") << QStringLiteral("КУЗЬМИНА ОЛЬГА ИЛЬИНИЧНА") << QStringLiteral("ОЛЬГА");
        QTest::newRow("оглы") << QStringLiteral("Ахмедов Руслан Тимур оглы") << QStringLiteral("Руслан");
        QTest::newRow("кызы") << QStringLiteral("Алиева Лейла Гасан кызы") << QStringLiteral("Лейла");
        QTest::newRow("-оглы joined") << QStringLiteral("Алиев Рашид Гейдар-оглы") << QStringLiteral("Рашид");
        QTest::newRow("-кызы joined") << QStringLiteral("Алиева Лейла Гасан-Кызы") << QStringLiteral("Лейла");
        QTest::newRow("Latin -ovna") << QStringLiteral("Соколова Анна Viktorovna") << QStringLiteral("Анна");
        QTest::newRow("Latin -evich, all Latin") << QStringLiteral("Sokolov Ivan Sergeevich") << QStringLiteral("Ivan");
        QTest::newRow("Latin -ichna") << QStringLiteral("Kuzmina Olga ILYINICHNA") << QStringLiteral("Olga");
        // Words parted by any white space; a word without a letter is no part of the name.
        QTest::newRow("no-break spaces") << QStringLiteral("Соколова\u00a0Анна\u00a0Викторовна") << QStringLiteral("Анна");
        QTest::newRow("tabs") << QStringLiteral("Соколова\tАнна\t Викторовна") << QStringLiteral("Анна");
        QTest::newRow("emoji before the patronymic") << QStringLiteral("Ёлкина-Smith Мария-Luisa 👩‍💻 Викторовна")
                                                     << QStringLiteral("Мария-Luisa");
        QTest::newRow("emoji first") << QStringLiteral("👩‍💻 – Анна Смирнова") << QStringLiteral("Анна");
        QTest::newRow("only emoji") << QStringLiteral("👩‍💻 👋") << QStringLiteral("Абонент");
        // Anything else keeps the first word.
        QTest::newRow("no patronymic") << QStringLiteral("  Анна  Смирнова") << QStringLiteral("Анна");
        QTest::newRow("surname in -ич first") << QStringLiteral("Бабич Сергей") << QStringLiteral("Бабич");
        QTest::newRow("оглы without a name before") << QStringLiteral("Тимур оглы") << QStringLiteral("Тимур");
        QTest::newRow("placeholder") << QStringLiteral("Абонент Tarvik") << QStringLiteral("Абонент");
        QTest::newRow("one word") << QStringLiteral("Анна") << QStringLiteral("Анна");
        QTest::newRow("only spaces") << QStringLiteral("   ") << QStringLiteral("Абонент");
        QTest::newRow("empty") << QString() << QStringLiteral("Абонент");
    }
    void firstName()
    {
        QFETCH(QString, fullName);
        TarvikAccountData account;
        account.fullName = fullName;
        QTEST(account.firstName(), "firstName");
    }

    void cachedAccountRoundTrip()
    {
        TarvikAccountData account;
        account.accountNumber = QStringLiteral("684782");
        account.balance = QStringLiteral("1250.50");
        account.televisionConnected = true;
        account.hasPaymentHistory = true;
        account.paymentOperations = {{QStringLiteral("01.12.2026-СБП-1000 ₽"), QStringLiteral("СБП"), QStringLiteral("01.12.2026"),
                                      QStringLiteral("1000 ₽"), true}};
        const QDateTime when = QDateTime(QDate(2026, 12, 7), QTime(10, 5, 30, 250), Qt::UTC);
        const QByteArray json = TarvikCachedAccount{account, when}.toJson();

        const auto decoded = TarvikCachedAccount::fromJson(json);
        QVERIFY(decoded);
        QCOMPARE(decoded->account, account);
        QCOMPARE(decoded->lastUpdated, when);

        const QJsonObject object = QJsonDocument::fromJson(json).object();
        QCOMPARE(object.value(QStringLiteral("account")).toObject().size(), 18);

        // Keys the app does not know are ignored.
        QJsonObject extended = account.toJson();
        extended.insert(QStringLiteral("loyaltyLevel"), 3);
        const auto decodedExtended = TarvikAccountData::fromJson(extended);
        QVERIFY(decodedExtended);
        QCOMPARE(*decodedExtended, account);
    }

    void referenceDateIsZero()
    {
        const QByteArray json = TarvikCachedAccount{TarvikAccountData(), QDateTime(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC)}.toJson();
        QCOMPARE(QJsonDocument::fromJson(json).object().value(QStringLiteral("lastUpdated")).toDouble(), 0.0);
    }

    void strictDecoding_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("replacement"); // undefined: remove the key
        QTest::newRow("bonusBalance missing") << QStringLiteral("bonusBalance") << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("balance a number") << QStringLiteral("balance") << QJsonValue(5);
        QTest::newRow("flag a string") << QStringLiteral("hasPaymentHistory") << QJsonValue(QStringLiteral("true"));
        QTest::newRow("operations missing") << QStringLiteral("paymentOperations") << QJsonValue(QJsonValue::Undefined);
        QTest::newRow("operation without isPositive") << QStringLiteral("paymentOperations")
                                                     << QJsonValue(QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("a")},
                                                                                          {QStringLiteral("title"), QStringLiteral("b")},
                                                                                          {QStringLiteral("date"), QStringLiteral("c")},
                                                                                          {QStringLiteral("amount"), QStringLiteral("d")}}});
    }
    void strictDecoding()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, replacement);
        QJsonObject account = TarvikAccountData().toJson();
        QVERIFY(TarvikAccountData::fromJson(account));
        if (replacement.isUndefined())
            account.remove(key);
        else
            account.insert(key, replacement);
        QVERIFY(!TarvikAccountData::fromJson(account));
    }

    // A record written before texts were cut (or by hand) still reads, cut as the site's texts are.
    void storedTextsAreCut()
    {
        QJsonObject account = TarvikAccountData().toJson();
        account.insert(QStringLiteral("address"), QString(250000, QChar(0x44f)));
        QCOMPARE(TarvikAccountData::fromJson(account)->address, QString(500, QChar(0x44f)));
    }

    void storedCredentials()
    {
        QCOMPARE(TarvikStoredCredentials::fromJson(TarvikStoredCredentials{QStringLiteral("demo"), QStringLiteral(" p ")}.toJson()),
                 (TarvikStoredCredentials{QStringLiteral("demo"), QStringLiteral(" p ")}));
        QVERIFY(!TarvikStoredCredentials::fromJson("{\"login\":\"demo\"}"));
        QVERIFY(!TarvikStoredCredentials::fromJson("not json"));
    }

    void paymentOperationIdentity()
    {
        const TarvikPaymentOperation a{QStringLiteral("id"), QStringLiteral("t"), QStringLiteral("d"), QStringLiteral("-5 ₽"), false};
        TarvikPaymentOperation b = a;
        QCOMPARE(a, b);
        QCOMPARE(qHash(a), qHash(b));
        b.isPositive = true;
        QVERIFY(a != b);
    }

    void lenientText_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("text");
        QTest::newRow("string") << QByteArray(R"({"k":"Тариф"})") << QStringLiteral("Тариф");
        QTest::newRow("padded string") << QByteArray(R"({"k":" \n ok \t"})") << QStringLiteral("ok");
        QTest::newRow("integer") << QByteArray(R"({"k":1500})") << QStringLiteral("1500");
        QTest::newRow("fraction") << QByteArray(R"({"k":1250.5})") << QStringLiteral("1250.5");
        QTest::newRow("negative") << QByteArray(R"({"k":-500})") << QStringLiteral("-500");
        QTest::newRow("true") << QByteArray(R"({"k":true})") << QStringLiteral("1");
        QTest::newRow("false") << QByteArray(R"({"k":false})") << QStringLiteral("0");
        QTest::newRow("blanks") << QByteArray(R"({"k":"   "})") << QStringLiteral("—");
        QTest::newRow("null") << QByteArray(R"({"k":null})") << QStringLiteral("—");
        QTest::newRow("array") << QByteArray(R"({"k":[1]})") << QStringLiteral("—");
        QTest::newRow("missing") << QByteArray(R"({"x":"1"})") << QStringLiteral("—");
        QTest::newRow("empty object") << QByteArray("{}") << QStringLiteral("—");
        const auto json = [](const QString &text) { return QJsonDocument(QJsonObject{{QStringLiteral("k"), text}}).toJson(); };
        QTest::newRow("far longer than any real text") << json(QString(250000, QChar(0x44f))) << QString(500, QChar(0x44f));
        // Not cut between the halves of the 500th character.
        QTest::newRow("cut before a character outside the first plane")
            << json(QString(499, QLatin1Char('a')) + QString::fromUtf8("😀😀")) << QString(499, QLatin1Char('a'));
    }
    void lenientText()
    {
        QFETCH(QByteArray, json);
        const TarvikAPIObject object(QJsonDocument::fromJson(json).object());
        QTEST(object.text(QStringLiteral("k")), "text");
        // The fallback is returned as given, untrimmed.
        if (object.text(QStringLiteral("k")) == QStringLiteral("—"))
            QCOMPARE(object.text(QStringLiteral("k"), QStringLiteral(" x ")), QStringLiteral(" x "));
    }

    void objectLists()
    {
        const auto read = [](const QByteArray &json) {
            return TarvikAPIObject(QJsonDocument::fromJson(json).object()).objects(QStringLiteral("list"));
        };
        QCOMPARE(read(R"({"list":[{"a":1},{"a":2}]})")->size(), 2);
        QCOMPARE(read(R"({"list":[]})")->size(), 0);
        for (const QByteArray &bad : {QByteArray(R"({"list":[{"a":1},2]})"), QByteArray(R"({"list":{}})"), QByteArray("{}")}) {
            const auto result = read(bad);
            QVERIFY2(!result && result.error().is(TarvikAPIError::InvalidResponse), bad.constData());
        }
    }

    void redirectRule_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("followed"); // empty: refused
        QTest::newRow("https same host") << "https://lk.tarvik.ru/velmorlogin.jsp" << "https://lk.tarvik.ru/velmorlogin.jsp";
        QTest::newRow("https host in capitals") << "https://LK.TARVIK.RU/a" << "https://lk.tarvik.ru/a";
        QTest::newRow("https port 443") << "https://lk.tarvik.ru:443/a" << "https://lk.tarvik.ru:443/a";
        QTest::newRow("https port 8443") << "https://lk.tarvik.ru:8443/a" << "";
        QTest::newRow("http without port") << "http://lk.tarvik.ru/a" << "";
        QTest::newRow("http port 443 upgraded") << "http://lk.tarvik.ru:443/a?x=1" << "https://lk.tarvik.ru/a?x=1";
        QTest::newRow("http port 80") << "http://lk.tarvik.ru:80/a" << "";
        QTest::newRow("other host") << "https://evil.example/a" << "";
        QTest::newRow("sub-domain") << "https://pay.lk.tarvik.ru/a" << "";
        QTest::newRow("user info") << "https://user@lk.tarvik.ru/a" << "";
        QTest::newRow("password") << "https://:pw@lk.tarvik.ru/a" << "";
        QTest::newRow("other scheme") << "ftp://lk.tarvik.ru/a" << "";
    }
    void redirectRule()
    {
        QFETCH(QString, target);
        QFETCH(QString, followed);
        const TarvikAPIRedirectDelegate rule(QStringLiteral("LK.Tarvik.ru"));
        QCOMPARE(rule.host(), QStringLiteral("lk.tarvik.ru"));
        const auto result = rule.follow(QUrl(target));
        QCOMPARE(result ? result->toString() : QString(), followed);
    }
};

QTEST_GUILESS_MAIN(AccountModelTest)
#include "tst_accountmodel.moc"
