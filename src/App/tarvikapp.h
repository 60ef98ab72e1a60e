#pragma once

#include <QCoroTask>
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <chrono>
#include <functional>

class Clock;
class TarvikAccountStore;
class TarvikCredentialVault;
class UserDefaults;

// The session's life for the whole app: the sign-in flag and the cached first name (stored
// preferences), the launch restore, a session check every 900 s and on becoming active again,
// and the end of start-up that lets the root screen leave the session-loading screen. The flag
// is written here only: by the launch restore and the checks, and as the store's sessions start
// and end.
class TarvikApp : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool signedIn READ signedIn NOTIFY signedInChanged)
    Q_PROPERTY(QString cachedFirstName READ cachedFirstName NOTIFY cachedFirstNameChanged)
    Q_PROPERTY(bool startupFinished READ startupFinished NOTIFY startupFinishedChanged)
    // The screen the window shows after start-up, by the sign-in flag: the signed-in screens or
    // the sign-in screen.
    Q_PROPERTY(QUrl screen READ screen NOTIFY signedInChanged)

public:
    struct Collaborators {
        UserDefaults *defaults;
        const Clock *clock;
        // The launch task's first step (asks for notification permission, schedules the test message).
        std::function<void()> scheduleTestMessage;
    };

    explicit TarvikApp(const Collaborators &collaborators, QObject *parent = nullptr);
    ~TarvikApp() override;

    static constexpr std::chrono::seconds sessionCheckInterval{900};

    bool signedIn() const;
    QString cachedFirstName() const;
    QUrl screen() const;
    bool startupFinished() const { return m_startupFinished; }
    QDateTime lastSessionCheck() const { return m_lastSessionCheck; }

    // The launch task, once the store exists: the test message, the restore, then the forced check
    // every interval. Until then the session-loading screen shows.
    void start(TarvikAccountStore *store, TarvikCredentialVault *credentials);
    // Interval of the forced checks (tests shorten it).
    void setCheckInterval(std::chrono::milliseconds interval);

    QCoro::Task<> restoreSessionAtLaunch();
    QCoro::Task<> checkSessionIfNeeded(bool force);

    // The session-loading screen's greeting for an hour of the day, two words on two lines.
    Q_INVOKABLE static QString greeting(int hour);
    // The session-loading screen's name: the first name upper-cased, or "АБОНЕНТ" when blank.
    Q_INVOKABLE static QString greetingName(const QString &firstName);

Q_SIGNALS:
    void signedInChanged();
    void cachedFirstNameChanged();
    void startupFinishedChanged();
    // A check or the restore has finished (for tests and diagnostics).
    void sessionChecked();

private:
    void setSignedIn(bool signedIn);
    void setCachedFirstName(const QString &name);
    void onAccountChanged();
    void onApplicationStateChanged(Qt::ApplicationState state);

    UserDefaults *m_defaults;
    TarvikAccountStore *m_store = nullptr;
    TarvikCredentialVault *m_credentials = nullptr;
    const Clock *m_clock;
    std::function<void()> m_scheduleTestMessage;

    bool m_startupFinished = false;
    QDateTime m_lastSessionCheck; // invalid: the distant past
    QTimer m_checkTimer;
};
