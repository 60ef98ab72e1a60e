#include "partnertvconfig.h"
#include "partnertvnavigationpolicy.h"
#include "partnertvpagecoordinator.h"
#include "partnertvpages.h"
#include "twentyfourtvaccountform.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace PartnerTVNavigationPolicy;

Q_DECLARE_METATYPE(PartnerTVNavigationPolicy::Page)
Q_DECLARE_METATYPE(PartnerTVNavigationPolicy::Action)

// A page's load events in order: status and error code.
using LoadEvents = QList<QPair<int, int>>;

class TestPartnerTV : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void navigation_data()
    {
        QTest::addColumn<Page>("page");
        QTest::addColumn<QString>("url");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("title");
        const Page catalog = Page::Catalog;
        const Page package = Page::Package;
        QTest::newRow("catalog: account") << catalog << "tarvik-account://create" << Action::CreateAccount << "";
        QTest::newRow("catalog: account, any host") << catalog << "tarvik-account://x/y?z" << Action::CreateAccount << "";
        QTest::newRow("catalog: title") << catalog << "tarvik-package://select?title=%D0%9B%D0%B0%D0%B9%D1%82%2B" << Action::SelectPackage
                                        << "Лайт+";
        QTest::newRow("catalog: plus stays") << catalog << "tarvik-package://select?title=a+b" << Action::SelectPackage << "a+b";
        QTest::newRow("catalog: empty title") << catalog << "tarvik-package://select?title=" << Action::SelectPackage << "";
        QTest::newRow("catalog: first title") << catalog << "tarvik-package://select?x=1&title=A&title=B" << Action::SelectPackage << "A";
        QTest::newRow("catalog: no query") << catalog << "tarvik-package://select" << Action::Allow << "";
        QTest::newRow("catalog: title without =") << catalog << "tarvik-package://select?title" << Action::Allow << "";
        QTest::newRow("catalog: other items") << catalog << "tarvik-package://select?name=A" << Action::Allow << "";
        QTest::newRow("catalog: scheme case") << catalog << "TARVIK-ACCOUNT://create" << Action::CreateAccount << "";
        QTest::newRow("catalog: https") << catalog << "https://kestrabay.ru/24tv/index.html" << Action::Allow << "";
        QTest::newRow("catalog: empty") << catalog << "" << Action::Allow << "";
        QTest::newRow("package: account") << package << "tarvik-account://create" << Action::Connect << "";
        QTest::newRow("package: package link") << package << "tarvik-package://select?title=A" << Action::Allow << "";
        QTest::newRow("package: https") << package << "https://24tv.ru/packets/1_514" << Action::Allow << "";
    }

    void navigation()
    {
        QFETCH(Page, page);
        QFETCH(QString, url);
        QFETCH(Action, action);
        QFETCH(QString, title);
        const Decision decision = decide(page, QUrl(url));
        QCOMPARE(decision.action, action);
        QCOMPARE(decision.title, title);
    }

    // The view loads only what it shows itself; our own links are refused after their callback
    // (once per link), and every other scheme is refused too, so that the engine never hands an
    // address to the desktop.
    void coordinatorKeepsEverythingInTheView_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("loads");
        QTest::newRow("https") << "https://kestrabay.ru/" << true;
        QTest::newRow("http") << "http://kestrabay.ru/" << true;
        QTest::newRow("blank") << "about:blank" << true;
        QTest::newRow("inline") << "data:text/html,<p>x" << true;
        QTest::newRow("package link without title") << "tarvik-package://select" << false;
        QTest::newRow("package link") << "tarvik-package://select?title=%D0%9A" << false;
        QTest::newRow("account link") << "tarvik-account://create" << false;
        QTest::newRow("phone") << "tel:+74953184277" << false;
        QTest::newRow("mail") << "mailto:x@example.org" << false;
        QTest::newRow("a bank app") << "bank100000000111://pay" << false;
        QTest::newRow("unknown") << "tarvikunknown://go" << false;
        QTest::newRow("file") << "file:///etc/passwd" << false;
        QTest::newRow("script") << "javascript:alert(1)" << false;
    }
    void coordinatorKeepsEverythingInTheView()
    {
        QFETCH(QString, url);
        QFETCH(bool, loads);
        for (const auto page : {PartnerTVPageCoordinator::CatalogPage, PartnerTVPageCoordinator::PackagePage}) {
            PartnerTVPageCoordinator coordinator;
            coordinator.setPage(page);
            QCOMPARE(coordinator.allowsNavigation(QUrl(url)), loads);
        }
    }

    void coordinatorCallsBackOncePerLink()
    {
        PartnerTVPageCoordinator catalog;
        QSignalSpy created(&catalog, &PartnerTVPageCoordinator::createAccountRequested);
        QSignalSpy selected(&catalog, &PartnerTVPageCoordinator::packageSelected);
        QVERIFY(!catalog.allowsNavigation(QUrl(QStringLiteral("tarvik-package://select"))));
        QVERIFY(!catalog.allowsNavigation(QUrl(QStringLiteral("tarvik-account://create"))));
        QVERIFY(!catalog.allowsNavigation(QUrl(QStringLiteral("tarvik-package://select?title=%D0%9A"))));
        QCOMPARE(created.size(), 1);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.at(0).at(0).toString(), QStringLiteral("К"));

        PartnerTVPageCoordinator packagePage;
        packagePage.setPage(PartnerTVPageCoordinator::PackagePage);
        QSignalSpy connected(&packagePage, &PartnerTVPageCoordinator::connectRequested);
        QVERIFY(!packagePage.allowsNavigation(QUrl(QStringLiteral("tarvik-package://select?title=A"))));
        QVERIFY(!packagePage.allowsNavigation(QUrl(QStringLiteral("tarvik-account://create"))));
        QCOMPARE(connected.size(), 1);
    }

    // What the page's load events leave on its card: a failure shows it; a load that a newer one
    // cancels, one that stops or one that loads does not; a new load takes it away.
    void loadEvents_data()
    {
        using C = PartnerTVPageCoordinator;
        QTest::addColumn<LoadEvents>("events");
        QTest::addColumn<bool>("failed");
        QTest::newRow("refused") << LoadEvents{{C::LoadStartedStatus, 0}, {C::LoadFailedStatus, -102}} << true;
        QTest::newRow("cancelled by a newer load")
            << LoadEvents{{C::LoadStartedStatus, 0}, {C::LoadFailedStatus, C::cancelledLoadCode}} << false;
        QTest::newRow("stopped") << LoadEvents{{C::LoadStartedStatus, 0}, {C::LoadStoppedStatus, 0}} << false;
        QTest::newRow("loaded") << LoadEvents{{C::LoadStartedStatus, 0}, {C::LoadSucceededStatus, 0}} << false;
        QTest::newRow("a new load clears the card")
            << LoadEvents{{C::LoadStartedStatus, 0}, {C::LoadFailedStatus, -102}, {C::LoadStartedStatus, 0}} << false;
        QTest::newRow("the newer load fails")
            << LoadEvents{{C::LoadStartedStatus, 0}, {C::LoadFailedStatus, C::cancelledLoadCode},
                          {C::LoadStartedStatus, 0}, {C::LoadFailedStatus, -7}}
            << true;
    }

    void loadEvents()
    {
        QFETCH(LoadEvents, events);
        QFETCH(bool, failed);
        PartnerTVPageCoordinator coordinator;
        for (const auto &[status, code] : std::as_const(events))
            coordinator.loadingChanged(status, code);
        QCOMPARE(coordinator.errorMessage(), failed ? PartnerTVPageCoordinator::loadFailureText : QString());
    }

    // A page that is still loading at the limit is stopped and fails; one whose load ended before
    // it does not. (The second page's longer limit runs out after the first one's would have.)
    void loadLimit()
    {
        PartnerTVPageCoordinator stalled;
        PartnerTVPageCoordinator loaded;
        QSignalSpy stalledStops(&stalled, &PartnerTVPageCoordinator::stopRequested);
        QSignalSpy loadedStops(&loaded, &PartnerTVPageCoordinator::stopRequested);
        loaded.setLoadTimeout(100);
        stalled.setLoadTimeout(400);
        loaded.setPageLoading(true);
        stalled.setPageLoading(true);
        loaded.setPageLoading(false);
        QVERIFY(stalledStops.wait(5000));
        QCOMPARE(stalled.errorMessage(), PartnerTVPageCoordinator::loadFailureText);
        QCOMPARE(loadedStops.size(), 0);
        QCOMPARE(loaded.errorMessage(), QString());

        // "Повторить" takes the card away and loads the page again, with a limit of its own.
        QSignalSpy reloads(&stalled, &PartnerTVPageCoordinator::reloadRequested);
        stalled.setPageLoading(false);
        stalled.retry();
        QCOMPARE(reloads.size(), 1);
        QCOMPARE(stalled.errorMessage(), QString());
        stalled.setPageLoading(true);
        QVERIFY(stalledStops.wait(5000));
        QCOMPARE(stalled.errorMessage(), PartnerTVPageCoordinator::loadFailureText);
    }

    void pageAddresses()
    {
        PartnerTVConfig config = PartnerTVConfig::compiled();
        config.catalogHost = QStringLiteral("127.0.0.1:8443");
        config.partnerHost = QStringLiteral("partner.test");
        QCOMPARE(config.catalogPageUrl(), QUrl(QStringLiteral("https://127.0.0.1:8443/24tv/index.html")));
        QCOMPARE(config.packagePageUrl(QStringLiteral("690")), QUrl(QStringLiteral("https://partner.test/packets/1_690")));
        QCOMPARE(config.packagePageUrl(QStringLiteral("lk-premium")), QUrl(QStringLiteral("https://partner.test/packets/1_")));
        // Only ASCII digits make the path.
        QCOMPARE(config.packagePageUrl(QStringLiteral("5١4")), QUrl(QStringLiteral("https://partner.test/packets/1_54")));
    }

    // Hosts reach the scripts as JSON: a quote or a backslash in a setting cannot end the string.
    void scriptConstantsAreJson()
    {
        PartnerTVConfig config = PartnerTVConfig::compiled();
        config.sisterDomain = QStringLiteral("evil\"); alert(1); (\"");
        const QString script = PartnerTVPages::catalogScript(config);
        const qsizetype open = script.lastIndexOf(QStringLiteral("})({"));
        QVERIFY(open > 0);
        QVERIFY(script.endsWith(QStringLiteral(");\n")));
        const QString json = script.mid(open + 3).chopped(3);
        QJsonParseError error;
        const QJsonObject constants = QJsonDocument::fromJson(json.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(constants.value(QStringLiteral("sisterDomain")).toString(), config.sisterDomain);
        QVERIFY(PartnerTVPages::packageScript(config).startsWith(QStringLiteral("// ")));
    }

    // The form's phone number is the field's text: writing it is an edit under the phone entry rule.
    void phoneNumberIsKeptMasked_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("field");
        QTest::newRow("cleared") << "" << "+7 ";
        QTest::newRow("typed 8 after the +7") << "+7 8" << "+7 (8";
        QTest::newRow("pasted with 8") << "8 999 123 45 67" << "+7 (999) 123-45-67";
        QTest::newRow("pasted after the +7") << "+7 +7 999 123 45 67" << "+7 (999) 123-45-67";
        QTest::newRow("cut at ten") << "+7 (999) 123-45-6789" << "+7 (999) 123-45-67";
        QTest::newRow("other scripts' digits dropped") << "+7 ٩٩٩١٢٣٤٥٦٧" << "+7 ";
    }

    void phoneNumberIsKeptMasked()
    {
        QFETCH(QString, written);
        QFETCH(QString, field);
        TwentyFourTVAccountForm form;
        form.setPhoneNumber(written);
        QCOMPARE(form.phoneNumber(), field);
        form.setPhoneNumber(field);
        QCOMPARE(form.phoneNumber(), field);
    }

    void mobileCheck_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("digits");
        QTest::newRow("valid") << "+7 (999) 123-45-67"
                               << "79991234567";
        QTest::newRow("not mobile") << "+7 (495) 000-00-00"
                                    << "";
        QTest::newRow("short") << "+7 (999) 123-45-6"
                               << "";
        QTest::newRow("arabic-indic") << "+7 (999) 123-45-6٧"
                                      << "";
        QTest::newRow("long") << "+7 (999) 123-45-678"
                              << "";
    }

    void mobileCheck()
    {
        QFETCH(QString, field);
        QFETCH(QString, digits);
        QCOMPARE(TwentyFourTVAccountForm::mobileDigits(field), digits);
    }

    // An invalid number never reaches the store: the form has none here, and says why.
    void invalidNumberStaysLocal()
    {
        TwentyFourTVAccountForm form;
        form.setPhoneNumber(QStringLiteral("+7 (495) 000-00-00"));
        form.createAccount();
        QCOMPARE(form.error(), TwentyFourTVAccountForm::invalidNumberText);
        QVERIFY(!form.isLoading());
        form.setPhoneNumber(QStringLiteral("+7 (495) 000-00-0"));
        QVERIFY(form.error().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPartnerTV)
#include "tst_partnertv.moc"
