#include "tarvikaccountstore.h"

#include "boundedtext.h"
#include "clock.h"
#include "logging.h"
#include "networkfailure.h"
#include "sharedcookiestore.h"
#include "tarvikaccountcache.h"
#include "tarvikaccounterror.h"
#include "tarvikapi.h"
#include "tarvikapierror.h"
#include "tarvikcookievault.h"
#include "tarvikcredentialvault.h"
#include "tarvikpaymenterror.h"

namespace
{
const QString &noValue = TarvikAccountData::noValue;

QString withSuffix(const QString &text, const QString &suffix)
{
    return text == noValue ? text : text + suffix;
}

TarvikPaymentOperation paymentRow(const TarvikAPIObject &payment)
{
    const QString sum = payment.text(QStringLiteral("pay_summ"));
    TarvikPaymentOperation row;
    row.amount = withSuffix(sum, QStringLiteral(" ₽"));
    row.title = payment.text(QStringLiteral("pay_sys"), QStringLiteral("Платёж"));
    row.date = payment.text(QStringLiteral("pay_date"));
    row.isPositive = !sum.startsWith(QLatin1Char('-'));
    row.id = row.date + QLatin1Char('-') + row.title + QLatin1Char('-') + row.amount;
    return row;
}

std::optional<AccountTVPackage> tvPackage(const TarvikAPIObject &element)
{
    QString code = element.text(QStringLiteral("code"), QString());
    if (code.isEmpty())
        return std::nullopt;
    if (code.startsWith(QLatin1String("24tv")))
        code.remove(0, 4);
    return AccountTVPackage{
        .id = code,
        .title = element.text(QStringLiteral("name")),
        .channelCount = element.text(QStringLiteral("channelscount"), QString()),
        .cost = element.text(QStringLiteral("cost")),
    };
}
} // namespace

TarvikAccountStore::TarvikAccountStore(const Collaborators &collaborators, QObject *parent)
    : QObject(parent)
    , m_api(collaborators.api)
    , m_credentials(collaborators.credentials)
    , m_cookies(collaborators.cookies)
    , m_cache(collaborators.cache)
    , m_cookieJar(collaborators.cookieJar)
    , m_clock(collaborators.clock)
{
    if (m_credentials->credentials()) {
        if (const auto cached = m_cache->load()) {
            m_account = cached->account;
            m_lastUpdated = cached->lastUpdated;
        }
    } else {
        // No session can be restored (it ended, or no Secret Service kept it): the personal data
        // of the last one does not stay on disk.
        m_cache->remove();
    }
}

TarvikAccountStore::~TarvikAccountStore() = default;

QCoro::Task<Result<void>> TarvikAccountStore::refresh()
{
    if (m_isLoading)
        co_return makeError(TarvikAccountError::Unavailable);
    const auto credentials = m_credentials->credentials();
    if (!credentials)
        co_return makeError(TarvikAccountError::InvalidCredentials);
    setLoading(true);
    const quint64 generation = m_sessionGeneration;

    const Result<void> signedIn = co_await authenticate(credentials->login, credentials->password);
    if (!signedIn)
        co_return co_await failRefresh(signedIn.error(), generation);
    if (generation != m_sessionGeneration)
        co_return overtaken();
    const Result<void> loaded = co_await loadAccount(generation);
    if (!loaded)
        co_return co_await failRefresh(loaded.error(), generation);
    co_await saveCookies();
    if (generation != m_sessionGeneration)
        co_return overtaken();
    finishLoading(generation);
    co_return Result<void>();
}

// An overtaken operation reports a cancellation, whatever its requests met after the session changed
// (a sign-out deletes the cookies they need), and leaves the newer session alone.
QCoro::Task<Result<void>> TarvikAccountStore::failRefresh(TarvikError error, quint64 generation)
{
    if (generation != m_sessionGeneration)
        co_return overtaken();
    if (error.is(TarvikAccountError::InvalidCredentials))
        co_await clearLocalSession();
    finishLoading(generation);
    co_return error;
}

QCoro::Task<Result<void>> TarvikAccountStore::signIn(QString login, QString password)
{
    if (m_isLoading)
        co_return makeError(TarvikAccountError::Unavailable);
    const QString trimmedLogin = login.trimmed();
    if (trimmedLogin.isEmpty() || password.isEmpty())
        co_return makeError(TarvikAccountError::InvalidCredentials);
    setLoading(true);
    const quint64 generation = ++m_sessionGeneration;

    co_await clearLocalSession();
    if (generation != m_sessionGeneration)
        co_return overtaken();
    const Result<void> signedIn = co_await authenticate(trimmedLogin, password);
    if (!signedIn)
        co_return co_await failSignIn(signedIn.error(), generation);
    if (generation != m_sessionGeneration)
        co_return overtaken();
    const Result<void> loaded = co_await loadAccount(generation);
    if (!loaded)
        co_return co_await failSignIn(loaded.error(), generation);
    if (generation != m_sessionGeneration)
        co_return overtaken();
    const Result<void> saved = co_await m_credentials->save(trimmedLogin, password);
    if (!saved)
        co_return co_await failSignIn(saved.error(), generation);
    // A sign-out during the save has deleted the items again: write no cookies after it.
    if (generation != m_sessionGeneration)
        co_return overtaken();
    co_await saveCookies();
    if (generation != m_sessionGeneration)
        co_return overtaken();
    finishLoading(generation);
    Q_EMIT sessionStarted();
    co_return Result<void>();
}

QCoro::Task<Result<void>> TarvikAccountStore::failSignIn(TarvikError error, quint64 generation)
{
    if (generation != m_sessionGeneration)
        co_return overtaken();
    co_await clearLocalSession();
    finishLoading(generation);
    co_return error;
}

QCoro::Task<> TarvikAccountStore::signOut()
{
    const quint64 generation = ++m_sessionGeneration;
    // The site ends the session its cookie names, so the logout carries the cookies the wipe deletes.
    const QList<QNetworkCookie> session = m_cookieJar->cookies();
    QCoro::Task<> wiped = clearLocalSession();
    setLoading(true);
    co_await wiped;
    co_await m_api->logout(session);
    // A newer sign-out owns the session now: its cookies and loading state are not ours to touch.
    if (generation == m_sessionGeneration) {
        clearCookies();
        setLoading(false);
    }
    Q_EMIT sessionEnded();
}

void TarvikAccountStore::abandonSession()
{
    Q_EMIT sessionEnded();
}

TarvikError TarvikAccountStore::overtaken()
{
    // An overtaken site sign-in may have set cookies after the sign-out deleted them. With no
    // session and nothing loading they are nobody's; otherwise they may be a newer session's.
    if (!m_isLoading && !m_credentials->credentials())
        clearCookies();
    qCDebug(lcSession) << "an operation was overtaken by a newer session";
    return TarvikError::cancelled();
}

void TarvikAccountStore::finishLoading(quint64 generation)
{
    if (generation == m_sessionGeneration)
        setLoading(false);
}

Result<void> TarvikAccountStore::requireSession() const
{
    if (!m_credentials->credentials() || m_account.accountNumber.isEmpty() || m_isLoading)
        return makeError(TarvikAccountError::Unavailable);
    return Result<void>();
}

QCoro::Task<Result<void>> TarvikAccountStore::authenticate(QString login, QString password)
{
    const Result<void> result = co_await m_api->authenticate(login, password);
    if (!result && (result.error().is(TarvikAPIError::InvalidCredentials) || result.error().is(TarvikAPIError::SessionExpired)))
        co_return makeError(TarvikAccountError::InvalidCredentials);
    co_return result;
}

QCoro::Task<Result<void>> TarvikAccountStore::loadAccount(quint64 generation)
{
    // The five core actions, strictly one after another; each must succeed.
    TarvikAPIObject tariff, number, personal, balance, payments;
    const std::pair<const char *, TarvikAPIObject *> core[] = {
        {"action1", &tariff},
        {"action11", &number},
        {"action3", &personal},
        {"action2", &balance},
        {"action4", &payments},
    };
    for (const auto &[action, reply] : core) {
        auto answer = co_await m_api->object(QString::fromLatin1(action));
        if (!answer)
            co_return answer.error();
        *reply = std::move(*answer);
    }
    const auto recommended = co_await m_api->recommendedPayment();
    if (!recommended)
        co_return recommended.error();

    Snapshot snapshot;
    TarvikAccountData &account = snapshot.account;
    account.accountNumber = number.text(QStringLiteral("ab_id"), QString());
    if (account.accountNumber.isEmpty())
        co_return makeError(TarvikAccountError::InvalidResponse);
    account.balance = balance.text(QStringLiteral("balance"));
    if (account.balance == noValue)
        co_return makeError(TarvikAccountError::InvalidResponse);
    account.fullName = personal.text(QStringLiteral("fio"), TarvikAccountData::placeholderFullName);
    account.address = personal.text(QStringLiteral("address"));
    account.mobilePhone = personal.text(QStringLiteral("mobile_phone"));
    account.homePhone = personal.text(QStringLiteral("home_phone"));
    account.email = personal.text(QStringLiteral("email"));
    account.daysToBlock = balance.text(QStringLiteral("block_days"));
    account.tariffName = tariff.text(QStringLiteral("tfp_name"));
    account.tariffSpeed = withSuffix(tariff.text(QStringLiteral("tfp_speed")), QStringLiteral(" Мбит/с"));
    account.tariffPrice = withSuffix(tariff.text(QStringLiteral("tfp_cost")), QStringLiteral(" ₽/мес."));
    const auto rows = payments.objects(QStringLiteral("payments"));
    if (!rows)
        co_return rows.error();
    // The site lists the newest first.
    for (const TarvikAPIObject &row : rows->mid(0, maxPaymentOperations))
        account.paymentOperations.append(paymentRow(row));
    account.hasPaymentHistory = !account.paymentOperations.isEmpty();

    // The rest is optional: failures leave the defaults.
    const auto extras = co_await m_api->object(QStringLiteral("action6"));
    if (extras) {
        const auto services = extras->objects(QStringLiteral("services"));
        if (services && !services->isEmpty()) {
            QStringList names, prices;
            for (const TarvikAPIObject &service : *services) {
                names.append(service.text(QStringLiteral("serv_name")));
                prices.append(service.text(QStringLiteral("serv_finalcost")) + QStringLiteral(" ₽"));
            }
            account.additionalService = BoundedText::cut(names.join(QStringLiteral(", ")));
            account.additionalServicePrice = BoundedText::cut(prices.join(QStringLiteral(", ")));
        }
    }
    const auto television = co_await m_api->tvAccountExists();
    account.televisionConnected = television && *television;
    const auto packages = co_await m_api->tvPackages();
    if (packages) {
        for (const TarvikAPIObject &element : *packages) {
            if (auto package = tvPackage(element))
                snapshot.tvPackages.append(std::move(*package));
        }
    }

    if (generation != m_sessionGeneration)
        co_return TarvikError::cancelled();
    snapshot.isFinanciallyBlocked = balance.text(QStringLiteral("activ_status")) == QLatin1String("OFF");
    snapshot.recommendedPayment = recommended->value_or(noValue);
    snapshot.lastUpdated = m_clock->now();
    publish(snapshot);
    m_cache->save(snapshot.account, snapshot.lastUpdated);
    co_return Result<void>();
}

QCoro::Task<> TarvikAccountStore::clearLocalSession()
{
    publish(Snapshot{});
    QCoro::Task<> credentials = m_credentials->remove();
    QCoro::Task<> cookies = m_cookies->remove();
    m_cache->remove();
    clearCookies();
    // Answers still on their way belong to the session put away here: they set no more cookies.
    m_cookieJar->beginEpoch();
    Q_EMIT localSessionCleared();
    co_await credentials;
    co_await cookies;
}

// The jar holds the site's cookies only: every one of them, whatever its path, is the session's.
void TarvikAccountStore::clearCookies()
{
    m_cookieJar->clear();
}

QCoro::Task<> TarvikAccountStore::saveCookies()
{
    co_await m_cookies->save(m_cookieJar->cookies());
}

QCoro::Task<Result<QUrl>> TarvikAccountStore::createCheckout(std::optional<QString> amount, TarvikPaymentMethod::Method method)
{
    if (const Result<void> guard = requireSession(); !guard)
        co_return guard.error();
    if (!amount)
        co_return makeError(TarvikPaymentError::InvalidAmount);
    co_return co_await m_api->checkout(*amount, method == TarvikPaymentMethod::Sbp);
}

QCoro::Task<Result<TarvikTrustPaymentStatus>> TarvikAccountStore::trustPaymentStatus()
{
    if (const Result<void> guard = requireSession(); !guard)
        co_return guard.error();
    co_return TarvikTrustPaymentStatus{
        .isAvailable = true,
        .message = QStringLiteral("Доступность и сумму определит оператор после подтверждения заявки."),
    };
}

QCoro::Task<Result<QString>> TarvikAccountStore::activateTrustPayment()
{
    if (const Result<void> guard = requireSession(); !guard)
        co_return guard.error();
    const auto reply = co_await m_api->perform(QStringLiteral("set1"));
    if (!reply)
        co_return reply.error();
    // The action has been taken: a failed refresh does not undo it.
    const Result<void> refreshed = co_await refresh();
    Q_UNUSED(refreshed);
    co_return reply->text(QStringLiteral("reason"), QStringLiteral("Доверительный платёж подключён"));
}

QCoro::Task<Result<QString>> TarvikAccountStore::create24TVAccount(QString phoneNumber)
{
    if (const Result<void> guard = requireSession(); !guard)
        co_return guard.error();
    const QString created = QStringLiteral("Аккаунт 24ТВ создан");
    // Known before the request: what the site says afterwards can then tell whether it was done.
    const bool hadAccount = m_account.televisionConnected;
    const TarvikAPI::Form parameters{{QStringLiteral("logname"), phoneNumber}};
    const auto reply = co_await m_api->perform(QStringLiteral("h42tv_add_account"), parameters);
    if (!reply) {
        const TarvikError &failure = reply.error();
        // Its answer lost, the site may have made the account: look before offering to make a second.
        // A site that ran out of time may still be making it, and one already there tells nothing.
        if (!failure.requestSent() || hadAccount || failure.code() == QNetworkReply::TimeoutError)
            co_return failure;
        const auto login = co_await m_api->tvAccountLogin();
        if (!login)
            co_return failure;
        if (login->isEmpty())
            co_return NetworkFailure::ofActionNotDone(failure);
        // Only the number just sent is the account this request made: another one was there
        // before, hidden from the last load.
        if (*login != phoneNumber.trimmed())
            co_return failure;
        const Result<void> refreshed = co_await refresh();
        Q_UNUSED(refreshed);
        co_return created;
    }
    const Result<void> refreshed = co_await refresh();
    Q_UNUSED(refreshed);
    co_return reply->text(QStringLiteral("reason"), created);
}

void TarvikAccountStore::publish(const Snapshot &snapshot)
{
    // Everything is in place before the first observer hears of it.
    const bool accountDiffers = std::exchange(m_account, snapshot.account) != snapshot.account;
    const bool blockDiffers = std::exchange(m_isFinanciallyBlocked, snapshot.isFinanciallyBlocked) != snapshot.isFinanciallyBlocked;
    const bool paymentDiffers = std::exchange(m_recommendedPayment, snapshot.recommendedPayment) != snapshot.recommendedPayment;
    const bool packagesDiffer = std::exchange(m_tvPackages, snapshot.tvPackages) != snapshot.tvPackages;
    const bool timeDiffers = std::exchange(m_lastUpdated, snapshot.lastUpdated) != snapshot.lastUpdated;
    if (accountDiffers)
        Q_EMIT accountChanged();
    if (blockDiffers)
        Q_EMIT isFinanciallyBlockedChanged();
    if (paymentDiffers)
        Q_EMIT recommendedPaymentChanged();
    if (packagesDiffer)
        Q_EMIT tvPackagesChanged();
    if (timeDiffers)
        Q_EMIT lastUpdatedChanged();
}

void TarvikAccountStore::setLoading(bool loading)
{
    if (m_isLoading == loading)
        return;
    m_isLoading = loading;
    Q_EMIT isLoadingChanged();
}

QVariantList TarvikAccountStore::tvPackageList() const
{
    QVariantList list;
    list.reserve(m_tvPackages.size());
    for (const AccountTVPackage &package : m_tvPackages)
        list.append(QVariant::fromValue(package));
    return list;
}
