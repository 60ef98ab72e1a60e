#include "paymentwebviewcoordinator.h"

#include "paymentnavigationpolicy.h"
#include "urlopener.h"
#include "webcertificatetrust.h"

#include <QCoroTask>

const QString PaymentWebViewCoordinator::loadFailureText =
    QStringLiteral("Не удалось загрузить страницу оплаты. Проверьте подключение к интернету и повторите попытку.");
const QString PaymentWebViewCoordinator::bankAppFailureText =
    QStringLiteral("Не удалось открыть приложение банка. Выберите другой банк на странице оплаты.");

PaymentWebViewCoordinator::PaymentWebViewCoordinator(QObject *parent)
    : QObject(parent)
{
    connect(&m_limit, &QTimer::timeout, this, [this] {
        if (!m_isLoading)
            return;
        failed(0);
        Q_EMIT stopRequested();
    });
    // The view starts loading the moment it exists.
    m_limit.start();
}

void PaymentWebViewCoordinator::setOpener(UrlOpener *opener)
{
    if (m_opener == opener)
        return;
    m_opener = opener;
    Q_EMIT openerChanged();
}

void PaymentWebViewCoordinator::setLoadTimeout(int milliseconds)
{
    if (m_limit.setLimit(milliseconds))
        Q_EMIT loadTimeoutChanged();
}

bool PaymentWebViewCoordinator::allowsNavigation(const QUrl &url, bool isMainFrame)
{
    const PaymentNavigationPolicy::Decision decision = PaymentNavigationPolicy::decide(url);
    if (decision == PaymentNavigationPolicy::Decision::Allow)
        return true;
    if (isMainFrame) {
        if (m_beforeStart && m_startedUrl == url) {
            const Shown shown = *std::exchange(m_beforeStart, std::nullopt);
            setIsLoading(shown.isLoading);
            setErrorMessage(shown.errorMessage);
            if (shown.limitRunning)
                m_limit.start();
        } else {
            m_refused.append(url);
            // Only the latest few can still be on their way.
            while (m_refused.size() > 8)
                m_refused.removeFirst();
        }
    }
    if (decision == PaymentNavigationPolicy::Decision::CancelAndHandOff)
        handOff(url);
    return false;
}

void PaymentWebViewCoordinator::linkFollowed(const QString &address)
{
    m_followedLinks.append(address.trimmed());
    // Only the latest few can still be on their way.
    while (m_followedLinks.size() > 8)
        m_followedLinks.removeFirst();
}

QUrl PaymentWebViewCoordinator::newWindowTarget(const QUrl &url) const
{
    return PaymentNavigationPolicy::newWindowTarget(url);
}

void PaymentWebViewCoordinator::loadingChanged(const QUrl &url, int status, int errorCode)
{
    switch (status) {
    case LoadStartedStatus:
        if (m_refused.contains(url))
            return;
        m_startedUrl = url;
        m_beforeStart = Shown{m_isLoading, m_errorMessage, m_limit.isActive()};
        setIsLoading(true);
        setErrorMessage(QString());
        m_limit.start();
        break;
    case LoadSucceededStatus:
        m_beforeStart.reset();
        setIsLoading(false);
        break;
    case LoadFailedStatus:
        m_beforeStart.reset();
        failed(errorCode);
        break;
    case LoadStoppedStatus:
        // A load given up for a newer one, or refused: the newer one reports for itself. But when
        // the server sent the started load to a refused address, nothing else will end that load:
        // it ends here, with the page underneath still shown.
        if (m_refused.removeOne(url) && m_beforeStart && m_startedUrl != url) {
            m_beforeStart.reset();
            setIsLoading(false);
            setErrorMessage(QString());
        }
        break;
    }
}

bool PaymentWebViewCoordinator::acceptsCertificate(const QUrl &url, bool unknownAuthority, const QStringList &chain) const
{
    return WebCertificateTrust::accepts(url, unknownAuthority, chain);
}

void PaymentWebViewCoordinator::setIsLoading(bool loading)
{
    if (!loading)
        m_limit.stop();
    if (m_isLoading == loading)
        return;
    m_isLoading = loading;
    Q_EMIT isLoadingChanged();
}

void PaymentWebViewCoordinator::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}

void PaymentWebViewCoordinator::failed(int errorCode)
{
    if (errorCode == cancelledLoadCode)
        return;
    setIsLoading(false);
    setErrorMessage(loadFailureText);
}

void PaymentWebViewCoordinator::handOff(const QUrl &url)
{
    if (!m_opener) {
        setErrorMessage(bankAppFailureText);
        return;
    }
    // The loading flag is left as it is: the page underneath has not changed.
    QString address = url.toString(QUrl::FullyEncoded);
    for (const QString &followed : std::as_const(m_followedLinks)) {
        if (QUrl(followed) == url)
            address = followed;
    }
    QCoro::connect(m_opener->openAddress(address), this, [this](bool opened) {
        if (!opened)
            setErrorMessage(bankAppFailureText);
    });
}
