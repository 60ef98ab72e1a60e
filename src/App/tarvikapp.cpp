#include "tarvikapp.h"

#include "boundedtext.h"
#include "clock.h"
#include "logging.h"
#include "tarvikaccounterror.h"
#include "tarvikaccountstore.h"
#include "tarvikcredentialvault.h"
#include "userdefaults.h"

#include <QGuiApplication>
#include <QLocale>

TarvikApp::TarvikApp(const Collaborators &collaborators, QObject *parent)
    : QObject(parent)
    , m_defaults(collaborators.defaults)
    , m_clock(collaborators.clock)
    , m_scheduleTestMessage(collaborators.scheduleTestMessage)
{
    m_checkTimer.setInterval(sessionCheckInterval);
    connect(&m_checkTimer, &QTimer::timeout, this, [this] { checkSessionIfNeeded(true); });
    connect(m_defaults, &UserDefaults::valueChanged, this, [this](const QString &key) {
        if (key == QLatin1String(Defaults::signedIn.name))
            Q_EMIT signedInChanged();
        else if (key == QLatin1String(Defaults::cachedFirstName.name))
            Q_EMIT cachedFirstNameChanged();
    });
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, &TarvikApp::onApplicationStateChanged);
}

TarvikApp::~TarvikApp() = default;

bool TarvikApp::signedIn() const
{
    return m_defaults->value(Defaults::signedIn);
}

QUrl TarvikApp::screen() const
{
    return QUrl(signedIn() ? QStringLiteral("qrc:/qt/qml/Tarvik/Shell/AppShell.qml") : QStringLiteral("qrc:/qt/qml/Tarvik/Account/LoginView.qml"));
}

void TarvikApp::setSignedIn(bool signedIn)
{
    m_defaults->setValue(Defaults::signedIn, signedIn);
}

QString TarvikApp::cachedFirstName() const
{
    return m_defaults->value(Defaults::cachedFirstName);
}

void TarvikApp::setCachedFirstName(const QString &name)
{
    // Cut rather than refused: a refusal would leave the previous subscriber's name to greet with.
    m_defaults->setValue(Defaults::cachedFirstName, BoundedText::cut(name, Defaults::cachedFirstName.maxLength));
}

void TarvikApp::setCheckInterval(std::chrono::milliseconds interval)
{
    m_checkTimer.setInterval(interval);
}

void TarvikApp::start(TarvikAccountStore *store, TarvikCredentialVault *credentials)
{
    Q_ASSERT(!m_store);
    m_store = store;
    m_credentials = credentials;
    connect(m_store, &TarvikAccountStore::accountChanged, this, &TarvikApp::onAccountChanged);
    // Queued: the screen that signed in or out hears the outcome before it is replaced.
    connect(m_store, &TarvikAccountStore::sessionStarted, this, [this] { setSignedIn(true); }, Qt::QueuedConnection);
    connect(m_store, &TarvikAccountStore::sessionEnded, this, [this] { setSignedIn(false); }, Qt::QueuedConnection);
    if (m_scheduleTestMessage)
        m_scheduleTestMessage();
    QCoro::connect(restoreSessionAtLaunch(), this, [this] { m_checkTimer.start(); });
}

QCoro::Task<> TarvikApp::restoreSessionAtLaunch()
{
    if (!m_credentials->credentials()) {
        qCDebug(lcSession) << "no stored credentials at launch";
        setSignedIn(false);
    } else {
        QPointer<TarvikApp> self(this);
        const auto refreshed = co_await m_store->refresh();
        if (!self)
            co_return;
        if (refreshed) {
            setSignedIn(true);
            setCachedFirstName(m_store->account().firstName());
            m_lastSessionCheck = m_clock->now();
        } else if (refreshed.error().is(TarvikAccountError::InvalidCredentials)) {
            setSignedIn(false);
        } else {
            // Offline or the site down: stay signed in with the account restored from the cache.
            qCDebug(lcSession) << "launch restore failed, keeping the session" << refreshed.error();
            setSignedIn(true);
        }
    }
    if (!m_startupFinished) {
        m_startupFinished = true;
        Q_EMIT startupFinishedChanged();
    }
    Q_EMIT sessionChecked();
}

QCoro::Task<> TarvikApp::checkSessionIfNeeded(bool force)
{
    if (!m_startupFinished || !signedIn() || !m_store)
        co_return;
    const QDateTime now = m_clock->now();
    if (!force && m_lastSessionCheck.isValid()
        && m_lastSessionCheck.msecsTo(now) < std::chrono::duration_cast<std::chrono::milliseconds>(sessionCheckInterval).count())
        co_return;
    m_lastSessionCheck = now;

    QPointer<TarvikApp> self(this);
    const auto refreshed = co_await m_store->refresh();
    if (!self)
        co_return;
    if (refreshed)
        setCachedFirstName(m_store->account().firstName());
    else if (refreshed.error().is(TarvikAccountError::InvalidCredentials))
        setSignedIn(false);
    Q_EMIT sessionChecked();
}

QString TarvikApp::greeting(int hour)
{
    if (hour >= 5 && hour <= 11)
        return QStringLiteral("ДОБРОЕ\nУТРО");
    if (hour >= 12 && hour <= 17)
        return QStringLiteral("ДОБРЫЙ\nДЕНЬ");
    return QStringLiteral("ДОБРЫЙ\nВЕЧЕР");
}

QString TarvikApp::greetingName(const QString &firstName)
{
    const QString name = firstName.trimmed();
    return name.isEmpty() ? QStringLiteral("АБОНЕНТ") : QLocale(QLocale::Russian, QLocale::Russia).toUpper(name);
}

void TarvikApp::onAccountChanged()
{
    const TarvikAccountData account = m_store->account();
    if (account.fullName != TarvikAccountData::placeholderFullName)
        setCachedFirstName(account.firstName());
}

void TarvikApp::onApplicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        checkSessionIfNeeded(false);
}
