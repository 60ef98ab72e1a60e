#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The redirect rule of the personal-account client: stay on the site's host, over HTTPS, on 443.
class TarvikAPIRedirectDelegate
{
public:
    explicit TarvikAPIRedirectDelegate(const QString &host)
        : m_host(host.toLower())
    {
    }

    QString host() const { return m_host; }

    // The address to follow for a proposed redirect target, or nothing to refuse it.
    std::optional<QUrl> follow(const QUrl &target) const;

private:
    QString m_host;
};
