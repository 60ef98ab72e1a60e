#include "fakeurlopener.h"

#include <QCoroTimer>

QCoro::Task<bool> FakeUrlOpener::open(QUrl url)
{
    m_requests.append(url);
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

QStringList FakeUrlOpener::requestedUrls() const
{
    QStringList urls;
    for (const QUrl &url : m_requests)
        urls.append(url.toString());
    return urls;
}

void FakeUrlOpener::clear()
{
    m_requests.clear();
}
