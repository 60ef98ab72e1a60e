#include "fakeurlopener.h"
#include "paymentmethodscontroller.h"
#include "paymentnavigationpolicy.h"
#include "paymentwebviewcoordinator.h"

#include <QSignalSpy>
#include <QTest>
#include <QWebEngineLoadingInfo>

using Decision = PaymentNavigationPolicy::Decision;
using Status = QWebEngineLoadingInfo::LoadStatus;
// QML hands the engine's values to the coordinator, which does not link the engine.
static_assert(int(Status::LoadStartedStatus) == PaymentWebViewCoordinator::LoadStartedStatus);
static_assert(int(Status::LoadStoppedStatus) == PaymentWebViewCoordinator::LoadStoppedStatus);
static_assert(int(Status::LoadSucceededStatus) == PaymentWebViewCoordinator::LoadSucceededStatus);
static_assert(int(Status::LoadFailedStatus) == PaymentWebViewCoordinator::LoadFailedStatus);

Q_DECLARE_METATYPE(PaymentNavigationPolicy::Decision)

namespace
{
const QUrl checkoutPage(QStringLiteral("https://pay.example/checkout/sbp?amount=500"));
const QUrl plainPage(QStringLiteral("http://pay.example/checkout/next"));
const QUrl bankLink(QStringLiteral("sberpay://pay?order=1"));
} // namespace

// The payment web view's decisions without a web engine: the policy table, the load events as the
// checkout sheet sees them, the hand-off to bank apps and the load limit.
class PaymentNavigationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void policy_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<Decision>("decision");

        QTest::newRow("https") << "https://pay.example/checkout" << Decision::Allow;
        QTest::newRow("https in capitals") << "HTTPS://pay.example/checkout" << Decision::Allow;
        QTest::newRow("blank document") << "about:blank" << Decision::Allow;
        QTest::newRow("blank document in capitals") << "about:BLANK" << Decision::Cancel;
        QTest::newRow("blank scheme in capitals") << "ABOUT:BLANK" << Decision::Cancel;
        QTest::newRow("blank with a fragment") << "about:blank#top" << Decision::Cancel;
        QTest::newRow("srcdoc") << "about:srcdoc" << Decision::Cancel;
        QTest::newRow("http") << "http://pay.example/checkout" << Decision::Cancel;
        QTest::newRow("mail") << "mailto:pay@tarvik.example" << Decision::Cancel;
        QTest::newRow("telephone") << "tel:+78435551234" << Decision::Cancel;
        QTest::newRow("script") << "javascript:alert(1)" << Decision::Cancel;
        QTest::newRow("data") << "data:text/html,<p>x</p>" << Decision::Cancel;
        QTest::newRow("no address") << "" << Decision::Cancel;
        QTest::newRow("no scheme") << "//pay.example/checkout" << Decision::Cancel;
        QTest::newRow("sberpay") << "sberpay://pay?order=1" << Decision::CancelAndHandOff;
        QTest::newRow("SberPay in capitals") << "SberPay://pay?order=1" << Decision::CancelAndHandOff;
        QTest::newRow("sberbankonline") << "sberbankonline://payments" << Decision::CancelAndHandOff;
        QTest::newRow("tinkoffbank") << "tinkoffbank://Main/Pay" << Decision::CancelAndHandOff;
        QTest::newRow("alfabank") << "alfabank://sbp" << Decision::CancelAndHandOff;
        QTest::newRow("bank with digits") << "bank100000000004://qr.nspk.ru/AS1" << Decision::CancelAndHandOff;
        QTest::newRow("BANK12") << "BANK12://qr" << Decision::CancelAndHandOff;
        QTest::newRow("bank without digits") << "bank://qr" << Decision::Cancel;
        QTest::newRow("bank12x") << "bank12x://qr" << Decision::Cancel;
        QTest::newRow("xbank12") << "xbank12://qr" << Decision::Cancel;
        QTest::newRow("sberpay2") << "sberpay2://pay" << Decision::Cancel;
    }

    void policy()
    {
        QFETCH(QString, address);
        QFETCH(Decision, decision);
        QCOMPARE(PaymentNavigationPolicy::decide(QUrl(address)), decision);
    }

    void newWindow_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("target");

        QTest::newRow("https loads in the same view") << "https://pay.example/receipt" << "https://pay.example/receipt";
        QTest::newRow("https in capitals") << "HTTPS://pay.example/receipt" << "https://pay.example/receipt";
        QTest::newRow("http is dropped") << "http://pay.example/receipt" << "";
        QTest::newRow("a bank app is dropped") << "sberpay://pay" << "";
        QTest::newRow("the blank document is dropped") << "about:blank" << "";
        QTest::newRow("no address") << "" << "";
    }

    void newWindow()
    {
        QFETCH(QString, address);
        QFETCH(QString, target);
        QCOMPARE(PaymentNavigationPolicy::newWindowTarget(QUrl(address)).toString(), target);
    }

    // Each row: what the sheet showed, one event, what it shows then.
    void loadEvents_data()
    {
        QTest::addColumn<bool>("loadingBefore");
        QTest::addColumn<QString>("errorBefore");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("errorCode");
        QTest::addColumn<bool>("loadingAfter");
        QTest::addColumn<QString>("errorAfter");

        const QString failure = PaymentWebViewCoordinator::loadFailureText;
        const QString bank = PaymentWebViewCoordinator::bankAppFailureText;
        QTest::newRow("a start shows the overlay and clears the card") << false << bank << int(Status::LoadStartedStatus) << 0 << true << "";
        QTest::newRow("a finished load hides the overlay") << true << "" << int(Status::LoadSucceededStatus) << 0 << false << "";
        QTest::newRow("a failed load shows the card") << true << "" << int(Status::LoadFailedStatus) << -324 << false << failure;
        QTest::newRow("a certificate failure shows the card") << true << "" << int(Status::LoadFailedStatus) << -202 << false << failure;
        QTest::newRow("a cancelled load changes nothing") << true << "" << int(Status::LoadFailedStatus) << -3 << true << "";
        QTest::newRow("a cancelled load keeps the card") << false << bank << int(Status::LoadFailedStatus) << -3 << false << bank;
        QTest::newRow("a stopped load changes nothing") << true << "" << int(Status::LoadStoppedStatus) << -3 << true << "";
    }

    void loadEvents()
    {
        QFETCH(bool, loadingBefore);
        QFETCH(QString, errorBefore);
        QFETCH(int, status);
        QFETCH(int, errorCode);
        QFETCH(bool, loadingAfter);
        QFETCH(QString, errorAfter);

        PaymentWebViewCoordinator coordinator;
        bringTo(coordinator, loadingBefore, errorBefore);
        coordinator.loadingChanged(QUrl(QStringLiteral("https://pay.example/next")), Status(status), errorCode);
        QCOMPARE(coordinator.isLoading(), loadingAfter);
        QCOMPARE(coordinator.errorMessage(), errorAfter);
    }

    // The engine announces the load of a refused main-frame address, before or after asking.
    void refusedNavigationChangesNothing_data()
    {
        QTest::addColumn<QUrl>("address");
        QTest::addColumn<bool>("startFirst");

        QTest::newRow("http, asked first") << plainPage << false;
        QTest::newRow("http, started first") << plainPage << true;
        QTest::newRow("bank app, started first") << bankLink << true;
        QTest::newRow("bank app, asked first") << bankLink << false;
    }

    void refusedNavigationChangesNothing()
    {
        QFETCH(QUrl, address);
        QFETCH(bool, startFirst);

        FakeUrlOpener opener;
        opener.setInstalledSchemes({QStringLiteral("sberpay")});
        PaymentWebViewCoordinator coordinator;
        coordinator.setOpener(&opener);
        coordinator.loadingChanged(checkoutPage, Status::LoadStartedStatus, 0);
        coordinator.loadingChanged(checkoutPage, Status::LoadSucceededStatus, 0);

        if (startFirst)
            coordinator.loadingChanged(address, Status::LoadStartedStatus, 0);
        QVERIFY(!coordinator.allowsNavigation(address, true));
        if (!startFirst)
            coordinator.loadingChanged(address, Status::LoadStartedStatus, 0);
        coordinator.loadingChanged(address, Status::LoadStoppedStatus, -3);
        QTest::qWait(20); // the opener's answer
        QVERIFY(!coordinator.isLoading());
        QVERIFY(coordinator.errorMessage().isEmpty());
        QCOMPARE(opener.requestCount(), address == bankLink ? 1 : 0);

        // The view goes on as before: the next allowed load shows again.
        coordinator.loadingChanged(checkoutPage, Status::LoadStartedStatus, 0);
        QVERIFY(coordinator.isLoading());
    }

    void bankHandOff_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("mainFrame");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("error");

        const QString bank = PaymentWebViewCoordinator::bankAppFailureText;
        QTest::newRow("installed app") << "sberpay://pay?order=1" << true << true << "";
        QTest::newRow("missing app") << "sberpay://pay?order=1" << true << false << bank;
        QTest::newRow("missing app, from a frame") << "bank100000000004://qr.nspk.ru/AS1" << false << false << bank;
    }

    void bankHandOff()
    {
        QFETCH(QString, address);
        QFETCH(bool, mainFrame);
        QFETCH(bool, installed);
        QFETCH(QString, error);

        FakeUrlOpener opener;
        const QUrl url(address);
        if (installed)
            opener.setInstalledSchemes({url.scheme().toLower()});
        PaymentWebViewCoordinator coordinator;
        coordinator.setOpener(&opener);
        coordinator.loadingChanged(checkoutPage, Status::LoadSucceededStatus, 0);

        QVERIFY(!coordinator.allowsNavigation(url, mainFrame));
        QCOMPARE(opener.requests(), QList<QUrl>{url});
        QTRY_COMPARE(coordinator.errorMessage(), error);
        if (error.isEmpty())
            QTest::qWait(20);
        QCOMPARE(coordinator.errorMessage(), error);
        QVERIFY(!coordinator.isLoading()); // the page underneath has not changed
    }

    // Without a store to ask, a checkout cannot start, and the method choice says why.
    void checkoutWithoutAStore()
    {
        PaymentMethodsController controller;
        controller.beginCheckout(QStringLiteral("500"), TarvikPaymentMethod::Sbp);
        QCOMPARE(controller.errorMessage(), QStringLiteral("Платёжный сервис временно недоступен"));
        QCOMPARE(controller.loadingMethod(), PaymentMethodsController::noMethod);
    }

private:
    // Sets what the sheet shows through the events that lead there.
    static void bringTo(PaymentWebViewCoordinator &coordinator, bool loading, const QString &error)
    {
        coordinator.loadingChanged(checkoutPage, Status::LoadStartedStatus, 0);
        if (error == PaymentWebViewCoordinator::loadFailureText) {
            coordinator.loadingChanged(checkoutPage, Status::LoadFailedStatus, -324);
        } else if (!error.isEmpty()) {
            coordinator.loadingChanged(checkoutPage, Status::LoadSucceededStatus, 0);
            QVERIFY(!coordinator.allowsNavigation(bankLink, true)); // no opener: no bank app
        } else if (!loading) {
            coordinator.loadingChanged(checkoutPage, Status::LoadSucceededStatus, 0);
        }
        QCOMPARE(coordinator.isLoading(), loading);
        QCOMPARE(coordinator.errorMessage(), error);
    }

};

QTEST_GUILESS_MAIN(PaymentNavigationTest)

#include "tst_paymentnavigation.moc"
