#pragma once

#include "accounttvpackage.h"
#include "result.h"
#include "tarvikaccountdata.h"
#include "tarvikpaymentmethod.h"
#include "tarviktrustpaymentstatus.h"

#include <QCoroTask>
#include <QDateTime>
#include <QObject>
#include <QUrl>

class Clock;
class SharedCookieStore;
class TarvikAPI;
class TarvikAccountCache;
class TarvikCookieVault;
class TarvikCredentialVault;

// The one source of account state: the published account and its companions, sign-in, refresh,
// sign-out and the account actions. Owns the session's secret items, cache entry and site cookies.
class TarvikAccountStore : public QObject
{
    Q_OBJECT
    Q_PROPERTY(TarvikAccountData account READ account NOTIFY accountChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    // Invalid until an account is loaded or restored from the cache.
    Q_PROPERTY(QDateTime lastUpdated READ lastUpdated NOTIFY lastUpdatedChanged)
    Q_PROPERTY(bool isFinanciallyBlocked READ isFinanciallyBlocked NOTIFY isFinanciallyBlockedChanged)
    Q_PROPERTY(QString recommendedPayment READ recommendedPayment NOTIFY recommendedPaymentChanged)
    Q_PROPERTY(QVariantList tvPackages READ tvPackageList NOTIFY tvPackagesChanged)

public:
    struct Collaborators {
        TarvikAPI *api;
        // Loaded before the store is made: creation reads the cache only when credentials exist.
        TarvikCredentialVault *credentials;
        TarvikCookieVault *cookies;
        TarvikAccountCache *cache;
        // The jar behind the client's requests.
        SharedCookieStore *cookieJar;
        const Clock *clock;
    };

    // The most payments kept of a history, the newest. Years of monthly payments fit; a site
    // that sends millions does not fill memory, the screen and the cache with them.
    static constexpr qsizetype maxPaymentOperations = 500;

    explicit TarvikAccountStore(const Collaborators &collaborators, QObject *parent = nullptr);
    ~TarvikAccountStore() override;

    TarvikAccountData account() const { return m_account; }
    bool isLoading() const { return m_isLoading; }
    QDateTime lastUpdated() const { return m_lastUpdated; }
    bool isFinanciallyBlocked() const { return m_isFinanciallyBlocked; }
    QString recommendedPayment() const { return m_recommendedPayment; }
    QList<AccountTVPackage> tvPackages() const { return m_tvPackages; }

    // Signs in to the site with the stored credentials and publishes a fresh account.
    QCoro::Task<Result<void>> refresh();
    // Replaces the local session with the given login's; any failure leaves no session.
    QCoro::Task<Result<void>> signIn(QString login, QString password);
    // Ends the session locally and at the site; never fails.
    QCoro::Task<> signOut();
    // A screen that cannot go on without the account (its load failed) gives the session up: the
    // app leaves the signed-in screens. Nothing stored goes, so the next launch tries it again.
    void abandonSession();

    // The payment page for `amount`, the plain decimal text that the payments' amount rule made
    // of what was typed; no amount (the rule refused it) fails with invalidAmount once the session
    // is known to be usable.
    QCoro::Task<Result<QUrl>> createCheckout(std::optional<QString> amount, TarvikPaymentMethod::Method method);
    QCoro::Task<Result<TarvikTrustPaymentStatus>> trustPaymentStatus();
    // Turns the trust payment on and refreshes; the site's message, or the default one.
    QCoro::Task<Result<QString>> activateTrustPayment();
    // Creates the partner TV account for `phoneNumber` (sent as typed) and refreshes. When the
    // answer is lost after the request left, the site is asked which account now exists: one for
    // the number sent (made: success), none (not made: the connection's plain words, trying again
    // is safe), or another one or no answer (the words of a request that may have been carried
    // out).
    QCoro::Task<Result<QString>> create24TVAccount(QString phoneNumber);

Q_SIGNALS:
    void accountChanged();
    void isLoadingChanged();
    void lastUpdatedChanged();
    void isFinanciallyBlockedChanged();
    void recommendedPaymentChanged();
    void tvPackagesChanged();
    // The local session was wiped (sign-out, sign-in, refused credentials): whatever else the app
    // keeps for the subscriber goes with it.
    void localSessionCleared();
    // What the app's sign-in flag follows: a sign-in succeeded; a sign-out finished, or a screen
    // gave the session up.
    void sessionStarted();
    void sessionEnded();

private:
    // What one load publishes.
    struct Snapshot {
        TarvikAccountData account;
        bool isFinanciallyBlocked = false;
        QString recommendedPayment = TarvikAccountData::noValue;
        QList<AccountTVPackage> tvPackages;
        QDateTime lastUpdated;
    };

    Result<void> requireSession() const;
    QCoro::Task<Result<void>> authenticate(QString login, QString password);
    QCoro::Task<Result<void>> loadAccount(quint64 generation);
    // Publishes the placeholder and forgets credentials, cache and cookies at once; the returned
    // task ends when the secret items are deleted.
    QCoro::Task<> clearLocalSession();
    void clearCookies();
    QCoro::Task<> saveCookies();
    QCoro::Task<Result<void>> failRefresh(TarvikError error, quint64 generation);
    QCoro::Task<Result<void>> failSignIn(TarvikError error, quint64 generation);
    // Ends a loading operation of `generation`: only the current session's operation may.
    void finishLoading(quint64 generation);
    // The outcome of an operation whose session was replaced meanwhile.
    TarvikError overtaken();

    void publish(const Snapshot &snapshot);
    void setLoading(bool loading);
    QVariantList tvPackageList() const;

    TarvikAPI *m_api;
    TarvikCredentialVault *m_credentials;
    TarvikCookieVault *m_cookies;
    TarvikAccountCache *m_cache;
    SharedCookieStore *m_cookieJar;
    const Clock *m_clock;

    TarvikAccountData m_account;
    bool m_isLoading = false;
    QDateTime m_lastUpdated;
    bool m_isFinanciallyBlocked = false;
    QString m_recommendedPayment = TarvikAccountData::noValue;
    QList<AccountTVPackage> m_tvPackages;
    // Identifies the local session: replaced at every sign-in and sign-out, never reused.
    quint64 m_sessionGeneration = 0;
};
