#pragma once

#include "urlopener.h"

#include <QStringList>

// An opener for tests: records every address it is asked to open and answers, on a later turn of
// the event loop, true only for the schemes it was told are installed.
class FakeUrlOpener : public UrlOpener
{
    Q_OBJECT
    Q_PROPERTY(QStringList installedSchemes READ installedSchemes WRITE setInstalledSchemes NOTIFY installedSchemesChanged)
    Q_PROPERTY(int requestCount READ requestCount NOTIFY requested)

public:
    using UrlOpener::UrlOpener;

    QCoro::Task<bool> openAddress(QString address) override;

    QStringList installedSchemes() const { return m_installedSchemes; }
    // Lower-case schemes.
    void setInstalledSchemes(const QStringList &schemes);

    int requestCount() const { return int(m_requests.size()); }
    QList<QUrl> requests() const { return m_requests; }
    // The addresses asked for, as text exactly as handed on, oldest first.
    Q_INVOKABLE QStringList requestedUrls() const { return m_addresses; }
    Q_INVOKABLE void clear();

Q_SIGNALS:
    void installedSchemesChanged();
    void requested(const QUrl &url);

private:
    QStringList m_installedSchemes;
    QList<QUrl> m_requests;
    QStringList m_addresses;
};
