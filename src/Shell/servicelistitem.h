#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

// A row of the services hub. Its id is its identity and what the router goes by, whatever its
// title says; `detail` and `subtitle` are never shown, only searched.
class ServiceListItem
{
    Q_GADGET
    QML_VALUE_TYPE(serviceListItem)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString icon MEMBER icon)
    Q_PROPERTY(QString detail READ detailText)
    Q_PROPERTY(QString subtitle READ subtitleText)

public:
    QString id;
    QString title;
    // Symbol name.
    QString icon;
    std::optional<QString> detail;
    std::optional<QString> subtitle;

    QString detailText() const { return detail.value_or(QString()); }
    QString subtitleText() const { return subtitle.value_or(QString()); }

    // Whether the title, the detail or the subtitle holds `query` (already trimmed, not empty),
    // ignoring letter case the way the Russian locale does.
    bool matches(const QString &query) const;

    friend bool operator==(const ServiceListItem &, const ServiceListItem &) = default;
};
