// Measures a sign-in from the call to the published account against the stand-in site, with a
// fixed delay added to every reply, and compares it with the floor of the sequential requests.

#include "clock.h"
#include "networkaccess.h"
#include "secretstore.h"
#include "standinsite.h"
#include "tarvikaccountcache.h"
#include "tarvikaccountstore.h"
#include "tarvikapi.h"
#include "tarvikcookievault.h"
#include "tarvikcredentialvault.h"
#include "userdefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>

using namespace std::chrono_literals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    constexpr auto latency = 20ms;
    constexpr int runs = 10;

    StandinSite site;
    if (!site.start()) {
        qCritical("stand-in: %s", qPrintable(site.errorString()));
        return 1;
    }
    site.setLatency(latency);

    QTemporaryDir dir;
    UserDefaults defaults(dir.filePath(QStringLiteral("defaults.ini")));
    NetworkAccess network(site.caFile());
    TarvikAPI api(site.baseUrl(), &network);
    // As the app runs: the Secret Service when there is a usable one (run under
    // scripts/with-session-bus.sh --keyring for a private one), else memory.
    const std::unique_ptr<SecretStore> secrets = QCoro::waitFor(SecretStore::open(TarvikCredentialVault::service()));
    const QString host = site.baseUrl().host();
    TarvikCredentialVault credentials(secrets.get(), host);
    QCoro::waitFor(credentials.load());
    TarvikCookieVault cookies(secrets.get(), host);
    TarvikAccountCache cache(&defaults, host);
    const SystemClock clock;
    TarvikAccountStore store({&api, &credentials, &cookies, &cache, network.cookieStore(), &clock});

    QElapsedTimer timer;
    qint64 publishedAfter = -1;
    QObject::connect(&store, &TarvikAccountStore::accountChanged, &store, [&] {
        if (!store.account().accountNumber.isEmpty())
            publishedAfter = timer.nsecsElapsed();
    });

    QTextStream out(stdout);
    out << (secrets->isPersistent() ? "secrets: Secret Service\n" : "secrets: memory\n");
    QList<double> times;
    qsizetype requests = 0;
    for (int run = 0; run < runs; ++run) {
        site.clearRequests();
        publishedAfter = -1;
        timer.start();
        const Result<void> result = QCoro::waitFor(store.signIn(site.login(), site.password()));
        if (!result || publishedAfter < 0) {
            qCritical(
                "sign-in %d failed: %s", run + 1, qPrintable(result ? QStringLiteral("nothing published") : result.error().description()));
            return 1;
        }
        requests = site.requests().size();
        times.append(double(publishedAfter) / 1e6);
        out << QStringLiteral("sign-in %1: %2 ms, %3 requests\n").arg(run + 1).arg(times.last(), 0, 'f', 1).arg(requests);
    }

    std::sort(times.begin(), times.end());
    const double median = (times.at(runs / 2 - 1) + times.at(runs / 2)) / 2;
    const double floor = double(requests * latency.count());
    out << QStringLiteral("median %1 ms; floor %2 requests x %3 ms = %4 ms; ratio %5\n")
               .arg(median, 0, 'f', 1)
               .arg(requests)
               .arg(latency.count())
               .arg(floor, 0, 'f', 0)
               .arg(median / floor, 0, 'f', 3);
    out.flush();
    QCoro::waitFor(store.signOut());
    return 0;
}
