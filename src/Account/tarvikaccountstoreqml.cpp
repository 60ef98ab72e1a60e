#include "tarvikaccountstoreqml.h"

#include "qmlsingleton.h"

#include "tarvikaccounterror.h"
#include "tarvikaccountstore.h"

#include <QCoroTask>
#include <QJSEngine>

namespace
{
QPointer<TarvikAccountStoreQml> instance;
} // namespace

TarvikAccountStoreQml::TarvikAccountStoreQml(TarvikAccountStore *store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
    connect(store, &TarvikAccountStore::accountChanged, this, &TarvikAccountStoreQml::accountChanged);
    connect(store, &TarvikAccountStore::isLoadingChanged, this, &TarvikAccountStoreQml::isLoadingChanged);
    connect(store, &TarvikAccountStore::lastUpdatedChanged, this, &TarvikAccountStoreQml::lastUpdatedChanged);
    connect(store, &TarvikAccountStore::isFinanciallyBlockedChanged, this, &TarvikAccountStoreQml::isFinanciallyBlockedChanged);
    connect(store, &TarvikAccountStore::recommendedPaymentChanged, this, &TarvikAccountStoreQml::recommendedPaymentChanged);
    connect(store, &TarvikAccountStore::tvPackagesChanged, this, &TarvikAccountStoreQml::tvPackagesChanged);
    connect(store, &TarvikAccountStore::sessionStarted, this, &TarvikAccountStoreQml::sessionStarted);
    connect(store, &TarvikAccountStore::sessionEnded, this, &TarvikAccountStoreQml::sessionEnded);
}

void TarvikAccountStoreQml::setInstance(TarvikAccountStoreQml *store)
{
    instance = store;
}

TarvikAccountStoreQml *TarvikAccountStoreQml::create(QQmlEngine *, QJSEngine *)
{
    return provideQmlSingleton(instance.data(), "AccountStore");
}

TarvikAccountData TarvikAccountStoreQml::account() const
{
    return m_store->account();
}

bool TarvikAccountStoreQml::isLoading() const
{
    return m_store->isLoading();
}

QDateTime TarvikAccountStoreQml::lastUpdated() const
{
    return m_store->lastUpdated();
}

bool TarvikAccountStoreQml::isFinanciallyBlocked() const
{
    return m_store->isFinanciallyBlocked();
}

QString TarvikAccountStoreQml::recommendedPayment() const
{
    return m_store->recommendedPayment();
}

QVariantList TarvikAccountStoreQml::tvPackages() const
{
    QVariantList list;
    for (const AccountTVPackage &package : m_store->tvPackages())
        list.append(QVariant::fromValue(package));
    return list;
}

void TarvikAccountStoreQml::refresh()
{
    QCoro::connect(m_store->refresh(), this, [this](const Result<void> &result) {
        Q_EMIT refreshFinished(result.ok(), !result && result.error().is(TarvikAccountError::InvalidCredentials),
            result ? QString() : result.error().description());
    });
}

void TarvikAccountStoreQml::signIn(const QString &login, const QString &password)
{
    QCoro::connect(m_store->signIn(login, password), this,
        [this](const Result<void> &result) { Q_EMIT signInFinished(result.ok(), result ? QString() : result.error().description()); });
}

void TarvikAccountStoreQml::signOut()
{
    QCoro::connect(m_store->signOut(), this, [this] { Q_EMIT signOutFinished(); });
}

void TarvikAccountStoreQml::abandonSession()
{
    m_store->abandonSession();
}

void TarvikAccountStoreQml::trustPaymentStatus()
{
    QCoro::connect(m_store->trustPaymentStatus(), this, [this](const Result<TarvikTrustPaymentStatus> &result) {
        Q_EMIT trustPaymentStatusFinished(
            result.ok(), result ? *result : TarvikTrustPaymentStatus(), result ? QString() : result.error().description());
    });
}

void TarvikAccountStoreQml::activateTrustPayment()
{
    QCoro::connect(m_store->activateTrustPayment(), this, [this](const Result<QString> &result) {
        Q_EMIT trustPaymentActivated(result.ok(), result ? *result : QString(), result ? QString() : result.error().description());
    });
}

void TarvikAccountStoreQml::create24TVAccount(const QString &phoneNumber)
{
    QCoro::connect(m_store->create24TVAccount(phoneNumber), this, [this](const Result<QString> &result) {
        Q_EMIT tvAccountCreated(result.ok(), result ? *result : QString(), result ? QString() : result.error().description());
    });
}

int TarvikAccountStoreQml::requestRefresh()
{
    const int request = ++m_lastRequest;
    QCoro::connect(m_store->refresh(), this, [this, request](const Result<void> &result) {
        RefreshFailure failure = NoFailure;
        if (!result) {
            const TarvikError &error = result.error();
            if (error.is(TarvikAccountError::InvalidCredentials))
                failure = InvalidCredentials;
            else if (error.is(TarvikAccountError::Unavailable))
                failure = Unavailable;
            else if (error.isCancellation())
                failure = Cancelled;
            else
                failure = OtherFailure;
        }
        const QString error = result ? QString() : result.error().description();
        // A refusal finishes at once, inside this call: report it only after the caller has the number.
        QMetaObject::invokeMethod(
            this, [this, request, failure, error] { Q_EMIT refreshRequestFinished(request, failure, error); }, Qt::QueuedConnection);
    });
    return request;
}
