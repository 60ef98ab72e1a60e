#include "fakeurlopener.h"

#include <QCoroTimer>

QCoro::Task<bool> FakeUrlOpener::openAddress(QString address)
{
    const QUrl url(address);
    m_requests.append(url);
    m_addresses.append(address);
    Q_EMIT requested(url);
    const bool installed = m_installedSchemes.contains(url.scheme().toLower());
    // The system answers later, never from inside the request.
    co_await QCoro::sleepFor(std::chrono::milliseconds(1));
    co_return installed;
}

void FakeUrlOpener::setInstalledSchemes(const QStringList &schemes)
{
    if (m_installedSchemes == schemes)
        return;
    m_installedSchemes = schemes;
    Q_EMIT installedSchemesChanged();
}

void FakeUrlOpener::clear()
{
    m_requests.clear();
    m_addresses.clear();
}
