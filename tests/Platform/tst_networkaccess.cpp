#include "networkaccess.h"
#include "peakmemory.h"
#include "sharedcookiestore.h"
#include "standinfixture.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace std::chrono_literals;

namespace
{
using Headers = QList<QPair<QByteArray, QByteArray>>;

// What a server could tell of a request, and what the caller learns of its answer.
struct Exchange {
    QList<StandinSite::Request> requests;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QVariant status;
    QVariant target;
    QUrl url;
    QByteArray body;
};

// Sends a request as the app's code does, on `manager`: `verb` through sendCustomRequest() (as
// NetworkAccess::send does), or "get()" and "post()" as Qt Quick and others do.
Exchange exchange(StandinSite &site, QNetworkAccessManager &manager, const QNetworkRequest &request, const QByteArray &verb,
                  const QByteArray &body)
{
    site.clearRequests();
    std::unique_ptr<QNetworkReply> reply(verb == "get()"    ? manager.get(request)
                                         : verb == "post()" ? manager.post(request, body)
                                                            : manager.sendCustomRequest(request, verb, body));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    if (!reply->isFinished() && !finished.wait(20000))
        qWarning("no answer");
    return {site.requests(), reply->error(), reply->attribute(QNetworkRequest::HttpStatusCodeAttribute),
            reply->attribute(QNetworkRequest::RedirectionTargetAttribute), reply->url(), reply->readAll()};
}
} // namespace

Q_DECLARE_METATYPE(Headers)

// The time limit, the size limit and the cookie epochs of every request the app sends, against
// the stand-in answering as a broken or hostile server would.
class NetworkAccessTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StandinSite> m_site;
    std::unique_ptr<NetworkAccess> m_network;
    QNetworkAccessManager *m_manager = nullptr;

    // A port on which nothing listens.
    static quint16 closedPort()
    {
        QTcpServer probe;
        return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }

    Result<std::unique_ptr<QNetworkReply>> get(
        const QString &key, std::chrono::milliseconds limit = 10s, qint64 bodyLimit = NetworkAccess::defaultBodyLimit)
    {
        const QUrl url = m_site->baseUrl().resolved(QUrl(QStringLiteral("mobile.jsp?action=") + key));
        return await(m_network->send(m_manager, QNetworkRequest(url), "GET", {}, limit, bodyLimit));
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_site = startStandin();
        QVERIFY(m_site);
    }

    void init()
    {
        m_site->clearOverrides();
        m_site->releaseHeld();
        m_site->clearRequests();
        m_network = std::make_unique<NetworkAccess>(m_site->caFile());
        m_manager = m_network->createManager(NetworkAccess::Cookies::Subscriber, m_network.get());
    }

    // The deadline aborts the reply; the coroutine then ends and frees the reply, which must not
    // happen inside the abort (it crashed on every time-out).
    void deadlineEndsTheRequest_data()
    {
        QTest::addColumn<bool>("bodyStarted");
        QTest::newRow("no answer") << false;
        QTest::newRow("body under way") << true;
    }
    void deadlineEndsTheRequest()
    {
        QFETCH(bool, bodyStarted);
        if (bodyStarted)
            m_site->setOverride(QStringLiteral("action2"), { .fault = StandinFault::SlowBody });
        else
            m_site->hold(QStringLiteral("action2"));
        for (int run = 0; run < 5; ++run) {
            const auto result = get(QStringLiteral("action2"), 200ms);
            QVERIFY(!result);
            QCOMPARE(result.error().domain(), TarvikError::Domain::Transport);
            QCOMPARE(result.error().description(), QStringLiteral("Превышено время ожидания ответа сервера."));
        }
        m_site->releaseHeld();
    }

    // A failure tells whether the server may have the request, where the transport alone knows:
    // a form whose body left with it, a deadline that aborts a request before its handshake ends
    // (nothing left), a redirect whose earlier hop the server answered. (The site's actions meet
    // every other breakage in tst_transportfailures.)
    void failuresTellWhetherTheRequestWasSent_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<StandinSite::Override>("answer");
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<bool>("sent");
        const QString site = QStringLiteral("site");
        const StandinSite::Override dropped{.dropConnection = true};
        const StandinSite::Override nowhere{.status = 302, .location = "https://127.0.0.1:" + QByteArray::number(closedPort()) + "/x"};
        QTest::newRow("form closed without an answer") << site << dropped << QByteArray("POST") << true;
        QTest::newRow("no handshake before the deadline") << QStringLiteral("silent") << StandinSite::Override{} << QByteArray("GET") << false;
        QTest::newRow("redirected to where nothing listens") << site << nowhere << QByteArray("GET") << true;
    }
    void failuresTellWhetherTheRequestWasSent()
    {
        QFETCH(QString, server);
        QFETCH(StandinSite::Override, answer);
        QFETCH(QByteArray, verb);
        QUrl url = m_site->baseUrl().resolved(QUrl(QStringLiteral("ajax/login.jsp")));
        // Takes connections and keeps them (its children) without a word.
        QTcpServer silent;
        if (server == QLatin1String("silent")) {
            QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
            url.setPort(silent.serverPort());
        }
        m_site->setOverride(QStringLiteral("/ajax/login.jsp"), answer);
        QNetworkRequest request(url);
        request.setAttribute(NetworkAccess::SentOnceAttribute, true);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        const QByteArray body = verb == "POST" ? QByteArray("login=1&owner=VELMOR&password=2") : QByteArray();
        const auto result = await(m_network->send(m_manager, request, verb, body, server == QLatin1String("silent") ? 1s : 20s));
        QVERIFY(!result);
        QCOMPARE(result.error().domain(), TarvikError::Domain::Transport);
        QTEST(result.error().requestSent(), "sent");
    }

    // A manager deleted under a request (its owner went: the app quitting, a screen's cache) takes
    // the reply with it: the request ends as cancelled, from the event loop, without the reply
    // being deleted a second time.
    void deletedManagerEndsTheRequest_data()
    {
        QTest::addColumn<bool>("abortedFirst");
        QTest::newRow("still waiting") << false;
        QTest::newRow("aborted, then deleted") << true;
    }
    void deletedManagerEndsTheRequest()
    {
        QFETCH(bool, abortedFirst);
        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        m_site->hold(QStringLiteral("action2"));
        auto *owned = m_network->createManager(NetworkAccess::Cookies::Subscriber);
        const QUrl url = m_site->baseUrl().resolved(QUrl(QStringLiteral("mobile.jsp?action=action2")));
        std::optional<Result<std::unique_ptr<QNetworkReply>>> outcome;
        QObject context;
        QCoro::connect(m_network->send(owned, QNetworkRequest(url), "GET", {}, 10s), &context,
                       [&outcome](auto &&result) { outcome = std::move(result); });
        QVERIFY(held.wait());
        if (abortedFirst) {
            for (QNetworkReply *reply : owned->findChildren<QNetworkReply *>())
                reply->abort();
        }
        delete owned;
        QVERIFY(!outcome);
        QTRY_VERIFY_WITH_TIMEOUT(outcome, 5000);
        QVERIFY(!*outcome);
        QCOMPARE(outcome->error().domain(), TarvikError::Domain::Cancelled);
        m_site->releaseHeld();
    }

    void bodiesPastTheLimitAreRefusedWhileReading_data()
    {
        QTest::addColumn<StandinFault>("fault");
        QTest::newRow("endless") << StandinFault::EndlessBody;
        QTest::newRow("oversized, announced") << StandinFault::OversizedBody;
    }
    void bodiesPastTheLimitAreRefusedWhileReading()
    {
        QFETCH(StandinFault, fault);
        m_site->setOverride(QStringLiteral("action4"), { .fault = fault });
        const qint64 before = peakMemoryKb();
        const auto result = get(QStringLiteral("action4"), 30s);
        qInfo("%lld body bytes streamed so far", StandinFaults::bytesStreamed());
        QVERIFY(!result);
        QCOMPARE(result.error().description(), NetworkAccess::oversizedReplyText);
        const qint64 grown = peakMemoryKb() - before;
        qInfo("peak memory grew by %lld kB; %lld body bytes streamed so far", grown, StandinFaults::bytesStreamed());
        // The limit and what one turn of the event loop brings, with room for the allocator. Under
        // AddressSanitizer freed memory is held back from reuse, so the peak tells nothing there.
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(grown < 64 * 1024, qPrintable(QString::number(grown)));
#endif
    }

    void limitIsTheCallers()
    {
        const auto whole = get(QStringLiteral("action4"));
        QVERIFY(whole);
        const qint64 size = (*whole)->readAll().size();
        QVERIFY(size > 10);
        QVERIFY(get(QStringLiteral("action4"), 10s, size));
        const auto refused = get(QStringLiteral("action4"), 10s, size - 1);
        QVERIFY(!refused);
        QCOMPARE(refused.error().description(), NetworkAccess::oversizedReplyText);
    }

    // Every kind of request the app sends, through Qt's own HTTP stack and through the app's, to a
    // server answering each way it can: the server sees the same requests (headers, their order,
    // cookies, each hop of a redirect), and the caller the same outcome. A GET without content is
    // compared with what Qt's get() sends: its sendCustomRequest() announces an empty body there.
    void answersAsQtHasThem_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("verb");
        QTest::addColumn<Headers>("headers");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<StandinSite::Override>("answer");
        QTest::addColumn<int>("policy");
        QTest::addColumn<int>("transferTimeout");
        QTest::addColumn<QNetworkReply::NetworkError>("error");

        const Headers site{{"User-Agent", "Tarvik iOS/1.0"}, {"Accept", "application/json"}, {"X-Requested-With", "XMLHttpRequest"}};
        const Headers form{{"Content-Type", "application/x-www-form-urlencoded; charset=utf-8"}, {"Referer", "https://example.org/x"}};
        const QByteArray signIn = "login=1&owner=VELMOR&password=2";
        const StandinSite::Override plain;
        const StandinSite::Override redirect{.status = 302, .location = "/velmorlogin.jsp", .headers = {{"Set-Cookie", "hop=1; Path=/"}}};
        const int manual = QNetworkRequest::ManualRedirectPolicy;
        const int follow = QNetworkRequest::NoLessSafeRedirectPolicy;
        const auto row = [](const char *name, const char *path, const char *verb, const Headers &headers, const QByteArray &body,
                            const StandinSite::Override &answer, int policy, QNetworkReply::NetworkError error, int transferTimeout = 0) {
            QTest::newRow(name) << QString::fromLatin1(path) << QByteArray(verb) << headers << body << answer << policy << transferTimeout
                                << error;
        };
        using E = QNetworkReply::NetworkError;
        row("site action", "mobile.jsp?action=action1", "GET", site, {}, plain, manual, E::NoError);
        row("sign-in form", "ajax/login.jsp", "POST", form, signIn, plain, manual, E::NoError);
        row("tile", "tiles/9/100/200.png", "GET", {{"User-Agent", "Tarvik/1.0 (office map)"}}, {}, plain, follow, E::NoError);
        row("picture", "img/ch/00/00/00000000000000000000000000000000.png", "get()", {}, {}, plain, follow, E::NoError);
        row("post without a type", "ajax/login.jsp", "post()", {}, signIn, plain, follow, E::NoError);
        row("cookies of the caller", "exit.jsp", "GET", {{"Cookie", "JSESSIONID=1"}}, {}, plain, manual, E::NoError);
        row("redirect setting a cookie", "moved", "GET", site, {}, redirect, follow, E::NoError);
        row("redirected form", "moved", "POST", form, signIn, redirect, follow, E::NoError);
        row("redirect left to the caller", "moved", "GET", site, {}, redirect, manual, E::NoError);
        // A zlib stream is what HTTP calls "deflate"; qCompress() puts the length before one.
        const StandinSite::Override deflated{.body = qCompress(QByteArray(4000, 'a')).mid(4), .headers = {{"Content-Encoding", "deflate"}}};
        row("deflated answer", "velmorlogin.jsp", "GET", site, {}, deflated, follow, E::NoError);
        row("404", "nothing-here", "GET", site, {}, plain, follow, E::ContentNotFoundError);
        row("503", "velmorlogin.jsp", "GET", site, {}, {.status = 503}, follow, E::ServiceUnavailableError);
        row("redirect loop", "loop", "GET", site, {}, {.fault = StandinFault::RedirectLoop}, follow, E::TooManyRedirectsError);
        row("redirect to http", "down", "GET", site, {}, {.fault = StandinFault::RedirectToHttp}, follow, E::InsecureRedirectError);
        row("truncated body", "velmorlogin.jsp", "GET", site, {}, {.fault = StandinFault::TruncatedBody}, follow, E::RemoteHostClosedError);
        row("reset", "velmorlogin.jsp", "GET", site, {}, {.fault = StandinFault::Reset}, follow, E::RemoteHostClosedError);
        row("transfer time-out", "velmorlogin.jsp", "GET", site, {}, {.delay = 8s}, follow, E::OperationCanceledError, 1500);
    }
    void answersAsQtHasThem()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, verb);
        QFETCH(Headers, headers);
        QFETCH(QByteArray, body);
        QFETCH(StandinSite::Override, answer);
        QFETCH(int, policy);
        QFETCH(int, transferTimeout);
        QFETCH(QNetworkReply::NetworkError, error);
        m_site->setOverride(QLatin1Char('/') + QUrl(path).path(), answer);
        QNetworkRequest request(m_site->baseUrl().resolved(QUrl(path)));
        for (const auto &[name, value] : headers)
            request.setRawHeader(name, value);
        if (request.hasRawHeader("Cookie"))
            request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, policy);
        request.setTransferTimeout(transferTimeout);
        QNetworkCookie kept("kept", "1");
        kept.setDomain(m_site->baseUrl().host());
        kept.setPath(QStringLiteral("/"));

        QNetworkRequest qtRequest = request;
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setCaCertificates({m_site->caCertificate()});
        qtRequest.setSslConfiguration(tls);
        // Qt's stack now and then loses a connection the stand-in keeps: it has three tries to give
        // the outcome it gives otherwise.
        Exchange byQt;
        for (int attempt = 0; attempt < 3 && (attempt == 0 || byQt.error != error); ++attempt) {
            QNetworkAccessManager qt;
            qt.cookieJar()->insertCookie(kept);
            byQt = exchange(*m_site, qt, qtRequest, verb == "GET" && body.isEmpty() ? QByteArray("get()") : verb, body);
        }
        QCOMPARE(byQt.error, error);

        QVERIFY(m_network->cookieStore()->insert(kept));
        const Exchange byTheApp = exchange(*m_site, *m_manager, request, verb, body);

        // Qt sends a request again when its connection breaks before an answer; the app's
        // transport does not (a form sent twice can do more harm than one that failed): what each
        // sent is compared without the repeats.
        const auto distinct = [](QList<StandinSite::Request> requests) {
            const auto same = [](const StandinSite::Request &a, const StandinSite::Request &b) {
                return a.method == b.method && a.path == b.path && a.query == b.query && a.headers == b.headers && a.body == b.body;
            };
            requests.erase(std::unique(requests.begin(), requests.end(), same), requests.end());
            return requests;
        };
        const QList<StandinSite::Request> ours = distinct(byTheApp.requests);
        const QList<StandinSite::Request> theirs = distinct(byQt.requests);
        QVERIFY(!theirs.isEmpty());
        QCOMPARE(ours.size(), theirs.size());
        for (qsizetype i = 0; i < ours.size(); ++i) {
            QCOMPARE(ours.at(i).method + ' ' + ours.at(i).path.toLatin1() + '?' + ours.at(i).query,
                     theirs.at(i).method + ' ' + theirs.at(i).path.toLatin1() + '?' + theirs.at(i).query);
            QCOMPARE(ours.at(i).headers, theirs.at(i).headers);
            QCOMPARE(ours.at(i).body, theirs.at(i).body);
        }
        QCOMPARE(byTheApp.error, error);
        QCOMPARE(byTheApp.status, byQt.status);
        QCOMPARE(byTheApp.target, byQt.target);
        QCOMPARE(byTheApp.url, byQt.url);
        QCOMPARE(byTheApp.body, byQt.body);
    }

    // A response head is held up to a bound, counted over every head of a request, whatever the
    // server sends: endless header lines, one endless line, heads that add up over redirects.
    void headsPastTheLimitAreRefused_data()
    {
        QTest::addColumn<StandinSite::Override>("answer");
        QTest::newRow("endless header lines") << StandinSite::Override{.fault = StandinFault::EndlessHead};
        const QByteArray filler(12 * 1024, 'x');
        QTest::newRow("redirects adding up") << StandinSite::Override{
            .status = 302, .location = "/velmorlogin.jsp?again", .headers = {{"X-A", filler}, {"X-B", filler}}};
    }
    void headsPastTheLimitAreRefused()
    {
        QFETCH(StandinSite::Override, answer);
        m_site->setOverride(QStringLiteral("/velmorlogin.jsp"), answer);
        [[maybe_unused]] const qint64 before = peakMemoryKb();
        const QUrl page = m_site->baseUrl().resolved(QUrl(QStringLiteral("velmorlogin.jsp")));
        const auto result = await(m_network->send(m_manager, QNetworkRequest(page), "GET", {}, 10s));
        QVERIFY(!result);
        QCOMPARE(result.error().domain(), TarvikError::Domain::Transport);
        QCOMPARE(result.error().description(), NetworkAccess::oversizedReplyText);
        // Refused at the bound, not by the redirect limit.
        QVERIFY(m_site->requests().size() < 10);
#ifndef __SANITIZE_ADDRESS__
        QVERIFY(peakMemoryKb() - before < 8 * 1024);
#endif
    }

    // The system's CAs stay trusted with the extra CA added, for every request; verification is
    // never switched off. The system's store is a private one here, named as OpenSSL is told of
    // one: a folder of CAs by their subject hashes, or, with no folder, a file.
    void trustsTheSystemStoreAndTheExtraCa_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::addColumn<bool>("extraCa");
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("trusted");
        for (const bool folder : {true, false}) {
            const char *store = folder ? "folder" : "file";
            QTest::addRow("system %s", store) << folder << false << "system" << true;
            QTest::addRow("system %s, extra CA added", store) << folder << true << "system" << true;
            QTest::addRow("extra CA, system %s", store) << folder << true << "extra" << true;
            QTest::addRow("neither, system %s", store) << folder << true << "unknown" << false;
            QTest::addRow("extra CA not given, system %s", store) << folder << false << "extra" << false;
        }
    }
    void trustsTheSystemStoreAndTheExtraCa()
    {
        QFETCH(bool, folder);
        QFETCH(bool, extraCa);
        QFETCH(QString, site);
        QFETCH(bool, trusted);
        const std::unique_ptr<StandinSite> extra = startStandin();
        const std::unique_ptr<StandinSite> unknown = startStandin();
        QVERIFY(extra && unknown);
        QTemporaryDir store;
        const QString missing = store.filePath(QStringLiteral("missing"));
        if (folder) {
            QProcess hash;
            hash.start(QStringLiteral("openssl"), {QStringLiteral("x509"), QStringLiteral("-hash"), QStringLiteral("-noout"),
                                                   QStringLiteral("-in"), m_site->caFile()});
            QVERIFY(hash.waitForFinished() && hash.exitCode() == 0);
            const QString name = QString::fromLatin1(hash.readAllStandardOutput().trimmed()) + QStringLiteral(".0");
            QVERIFY(QFile::copy(m_site->caFile(), store.filePath(name)));
        }
        qputenv("SSL_CERT_DIR", QFile::encodeName(folder ? store.path() : missing));
        qputenv("SSL_CERT_FILE", QFile::encodeName(folder ? missing : m_site->caFile()));
        const auto restore = qScopeGuard([] {
            qunsetenv("SSL_CERT_FILE");
            qunsetenv("SSL_CERT_DIR");
        });
        NetworkAccess network(extraCa ? extra->caFile() : QString());
        const std::unique_ptr<QNetworkAccessManager> manager(network.createManager(NetworkAccess::Cookies::None));
        const StandinSite *target = site == QLatin1String("system") ? m_site.get()
            : site == QLatin1String("extra")                        ? extra.get()
                                                                    : unknown.get();
        const QUrl page = target->baseUrl().resolved(QUrl(QStringLiteral("velmorlogin.jsp")));
        const auto result = await(network.send(manager.get(), QNetworkRequest(page), "GET", {}, 10s));
        QCOMPARE(bool(result), trusted);
        if (!trusted)
            QCOMPARE(result.error().code(), int(QNetworkReply::SslHandshakeFailedError));
    }

    // A proxy named in the environment is not taken: Qt takes none unless told.
    void environmentProxiesAreNotTaken()
    {
        const QByteArray nowhere = "http://127.0.0.1:9";
        for (const char *variable : {"http_proxy", "https_proxy", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
            qputenv(variable, nowhere);
        const auto restore = qScopeGuard([] {
            for (const char *variable : {"http_proxy", "https_proxy", "HTTPS_PROXY", "ALL_PROXY", "all_proxy"})
                qunsetenv(variable);
        });
        QVERIFY(await(m_network->send(m_manager, QNetworkRequest(m_site->baseUrl()), "GET", {}, 10s)));
        QCOMPARE(m_site->requests().size(), 1);
    }

    // Without its transport every request fails as a broken network would, and nothing crashes.
    void aTransportThatDoesNotLoadFailsEveryRequest()
    {
        m_network->setTransportModule(QStringLiteral("/nonexistent/libtarvik-curl.so"));
        auto *manager = m_network->createManager(NetworkAccess::Cookies::Subscriber, m_network.get());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^no transport: .+")));
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto result = await(m_network->send(manager, QNetworkRequest(m_site->baseUrl()), "GET", {}, 10s));
            QVERIFY(!result);
            QCOMPARE(result.error().domain(), TarvikError::Domain::Transport);
        }
        QVERIFY(m_site->requests().isEmpty());
    }

    // Cookies of a reply count only while the epoch its request was sent in lasts.
    void repliesOfAnEndedEpochSetNoCookies()
    {
        SharedCookieStore *jar = m_network->cookieStore();
        const QUrl login = m_site->baseUrl().resolved(QUrl(QStringLiteral("ajax/login.jsp")));
        QNetworkRequest request(login);
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        const QByteArray form = "login=" + m_site->login().toUtf8() + "&owner=VELMOR&password=" + m_site->password().toUtf8();

        QVERIFY(await(m_network->send(m_manager, request, "POST", form, 10s)));
        QCOMPARE(jar->cookies(login).size(), 1);
        const QNetworkCookie first = jar->cookies(login).constFirst();

        QSignalSpy held(m_site.get(), &StandinSite::requestHeld);
        m_site->hold(QStringLiteral("/ajax/login.jsp"), 1);
        auto late = m_network->send(m_manager, request, "POST", form, 10s);
        QVERIFY(held.wait());
        jar->beginEpoch();
        m_site->releaseHeld();
        QVERIFY(await(std::move(late)));
        QCOMPARE(jar->cookies(login), QList<QNetworkCookie> { first });

        QVERIFY(await(m_network->send(m_manager, request, "POST", form, 10s)));
        QVERIFY(jar->cookies(login).constFirst().value() != first.value());
    }
};

QTEST_GUILESS_MAIN(NetworkAccessTest)
#include "tst_networkaccess.moc"
