#include "accountfixture.h"
#include "qmlnetworkaccessfactory.h"
#include "testpaths.h"

#include <QDir>
#include <QJsonArray>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace
{
const QString boldWord = QStringLiteral("Жирный");

void visibleTexts(QQuickItem *item, QList<QQuickItem *> &found)
{
    if (!item || !item->isVisible())
        return;
    if (item->inherits("QQuickText"))
        found.append(item);
    for (QQuickItem *child : item->childItems())
        visibleTexts(child, found);
}
} // namespace

// The screens that show the site's data, for a subscriber whose every text on the site is markup:
// the markup shows as typed, and no picture it names is fetched.
class SiteMarkupTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_fixture;
    std::unique_ptr<QmlNetworkAccessFactory> m_factory;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    std::unique_ptr<QObject> m_screen;
    std::unique_ptr<QQuickItem> m_plain;

    QString origin() const { return m_fixture->site->baseUrl().toString(QUrl::RemovePath); }
    // What the subscriber's name, address, phones, e-mail, tariff, services, payments and the
    // site's refusal say.
    QString markup() const
    {
        return QStringLiteral("<b>%1</b> &lt;i&gt; <img src=\"%2/markup.png\">").arg(boldWord, origin());
    }

    // Shows `qml` (imports and one item) in the window; null when it does not load.
    QQuickItem *show(const QByteArray &qml)
    {
        m_screen.reset();
        QQmlComponent component(m_engine.get());
        component.setData(qml, QUrl(QStringLiteral("qrc:/tst_sitemarkup/Screen.qml")));
        m_screen.reset(component.create());
        auto *item = qobject_cast<QQuickItem *>(m_screen.get());
        if (!item) {
            qWarning() << component.errorString();
            return nullptr;
        }
        item->setParentItem(m_window->contentItem());
        item->setSize(m_window->size());
        return item;
    }

    // How many texts on screen show the site's markup. Each must be laid out as its plain text
    // would be; the first that is not is described in `mismatch`.
    int shownAsTyped(QString *mismatch)
    {
        QList<QQuickItem *> texts;
        visibleTexts(m_window->contentItem(), texts);
        int shown = 0;
        for (QQuickItem *text : std::as_const(texts)) {
            const QString value = text->property("text").toString();
            if (!value.contains(boldWord))
                continue;
            ++shown;
            m_plain->setProperty("font", text->property("font"));
            m_plain->setProperty("text", value);
            const qreal typed = m_plain->implicitWidth();
            const qreal laidOut = text->implicitWidth();
            if (std::abs(typed - laidOut) > 1.0 && mismatch->isEmpty())
                *mismatch = QStringLiteral("\"%1\" laid out %2 wide, as typed %3").arg(value).arg(laidOut).arg(typed);
        }
        return shown;
    }

    void save(QString name)
    {
        name.replace(QLatin1Char(' '), QLatin1Char('-'));
        m_window->grabWindow().save(QDir(screenshotDir()).filePath(QStringLiteral("markup-%1.png").arg(name)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_fixture = std::make_unique<AccountFixture>();
        QVERIFY(m_fixture->start());
        StandinSite &site = *m_fixture->site;
        const QString text = markup();
        QJsonObject tariff = site.actionReply(QStringLiteral("action1"));
        tariff[QStringLiteral("tfp_name")] = text;
        site.setActionReply(QStringLiteral("action1"), tariff);
        QJsonObject person = site.actionReply(QStringLiteral("action3"));
        for (const char *field : {"fio", "address", "home_phone", "mobile_phone", "email"})
            person[QLatin1String(field)] = text;
        site.setActionReply(QStringLiteral("action3"), person);
        QJsonObject payments = site.actionReply(QStringLiteral("action4"));
        QJsonArray rows = payments.value(QStringLiteral("payments")).toArray();
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QJsonObject row = rows.at(i).toObject();
            row[QStringLiteral("pay_sys")] = text;
            rows[i] = row;
        }
        payments[QStringLiteral("payments")] = rows;
        site.setActionReply(QStringLiteral("action4"), payments);
        QJsonObject services = site.actionReply(QStringLiteral("action6"));
        services[QStringLiteral("services")] = QJsonArray{QJsonObject{{QStringLiteral("serv_name"), text}, {QStringLiteral("serv_finalcost"), QStringLiteral("150")}}};
        site.setActionReply(QStringLiteral("action6"), services);
        // The site refuses the trust payment, giving its reason.
        site.setActionReply(QStringLiteral("set1"), QJsonObject{{QStringLiteral("result"), QStringLiteral("error")}, {QStringLiteral("reason"), text}});
        QVERIFY(m_fixture->signIn());
        QVERIFY(m_fixture->store->account().fullName.contains(boldWord));
        // The address the subscriber confirmed, as typed.
        m_fixture->defaults->setValue(QStringLiteral("tarvikVerifiedEmail"), text);
        m_fixture->defaults->setValue(QStringLiteral("tarvikTwoFactorEnabled"), true);
        m_fixture->defaults->setValue(Defaults::signedIn, true);

        // Qt Quick's loads trust the stand-in as the app's do: a fetched picture would reach it.
        m_factory = std::make_unique<QmlNetworkAccessFactory>(m_fixture->network.get());
        m_engine = std::make_unique<QQmlEngine>();
        m_engine->addImportPath(QStringLiteral("qrc:/qt/qml"));
        m_engine->setNetworkAccessManagerFactory(m_factory.get());
        m_window = std::make_unique<QQuickWindow>();
        m_window->resize(393, 852);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QQmlComponent plain(m_engine.get());
        plain.setData("import QtQuick\nText { textFormat: Text.PlainText }", QUrl());
        m_plain.reset(qobject_cast<QQuickItem *>(plain.create()));
        QVERIFY(m_plain);
        m_fixture->site->clearRequests();
    }

    void cleanupTestCase()
    {
        m_screen.reset();
        m_plain.reset();
        m_window.reset();
        m_engine.reset();
        m_factory.reset();
        m_fixture.reset();
    }

    void screens_data()
    {
        QTest::addColumn<QByteArray>("qml");
        QTest::addColumn<int>("expected"); // at least this many texts show the site's markup
        QTest::newRow("home") << QByteArray("import Tarvik.Shell\nHomeView {}") << 2;
        QTest::newRow("payments tab") << QByteArray("import Tarvik.Payments\nPaymentView {}") << 3;
        QTest::newRow("profile") << QByteArray("import Tarvik.Design\nimport Tarvik.Profile\nNavigationStack { initialItem: ProfileView {} }") << 4;
        QTest::newRow("service detail") << QByteArray("import Tarvik.Design\nimport Tarvik.Shell\nNavigationStack { initialItem: HomeServiceDetailView {"
                                                      " title: AccountStore.account.additionalService; icon: \"network\"; subtitle: AccountStore.account.tariffName } }")
                                        << 2;
        // The confirmed e-mail as typed (the e-mail screen's own field is a text input: plain by nature).
        QTest::newRow("security") << QByteArray("import Tarvik.Design\nimport Tarvik.Profile\nNavigationStack { initialItem: SecuritySettingsView {} }") << 1;
    }
    void screens()
    {
        QFETCH(QByteArray, qml);
        QFETCH(int, expected);
        QVERIFY(show("import QtQuick\nimport Tarvik.Account\n" + qml));
        QString mismatch;
        QTRY_VERIFY(shownAsTyped(&mismatch) >= expected || !mismatch.isEmpty());
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        save(QString::fromLatin1(QTest::currentDataTag()));
    }

    // The site's reason for refusing the trust payment comes up in an alert.
    void refusalInAnAlert()
    {
        QQuickItem *view = show("import QtQuick\nimport Tarvik.Account\nimport Tarvik.Design\nimport Tarvik.Payments\n"
                                "NavigationStack { initialItem: TrustPaymentView {} }");
        QVERIFY(view);
        QObject *controller = nullptr;
        for (QObject *child : m_screen->findChildren<QObject *>()) {
            if (child->inherits("TrustPaymentController"))
                controller = child;
        }
        QVERIFY(controller);
        QTRY_VERIFY(!controller->property("isLoading").toBool());
        QVERIFY(QMetaObject::invokeMethod(controller, "activate"));
        QTRY_VERIFY(controller->property("hasError").toBool());
        QVERIFY(controller->property("errorMessage").toString().contains(boldWord));
        QString mismatch;
        QTRY_VERIFY(shownAsTyped(&mismatch) >= 1 || !mismatch.isEmpty());
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        QObject *alert = m_screen->findChild<QObject *>(QStringLiteral("trustErrorAlert"));
        QVERIFY(alert);
        QTRY_VERIFY(alert->property("opened").toBool());
        save(QStringLiteral("alert"));
    }

    // Last: a text that does read markup fetches its picture, and the stand-in sees it; by then the
    // screens' pictures would have come too.
    void noPictureWasFetched()
    {
        QQuickItem *control = show(QStringLiteral("import QtQuick\nText { textFormat: Text.RichText; text: '<img src=\"%1/control.png\">' }")
                                       .arg(origin())
                                       .toUtf8());
        QVERIFY(control);
        QTRY_VERIFY_WITH_TIMEOUT(m_fixture->site->requestKeys().contains(QStringLiteral("/control.png")), 10000);
        QCOMPARE(m_fixture->site->requestKeys().count(QStringLiteral("/markup.png")), 0);
    }
};

QTEST_MAIN(SiteMarkupTest)
#include "tst_sitemarkup.moc"
