#pragma once

#include "servicelistitem.h"

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The services hub's router: which screen a row opens, decided by the row's id, whatever its title
// says. It names an entry of the `Destinations` registry and the properties to push it with; the
// services tab pushes `Destinations[entry(item.id)]` with properties(item) and the entry's
// `Destinations.links`.
class ServiceRouter : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString partnerTv READ partnerTvId CONSTANT)

public:
    using QObject::QObject;

    // The partner TV service's id, which the dashboard's services list and the generic service
    // card go by too.
    static constexpr const char *partnerTv = "partnerTv";

    // The registry entry of the screen for the row `id`; "homeServiceDetail" (the generic service
    // card) for any id without a screen of its own.
    Q_INVOKABLE static QString entry(const QString &id);
    // What the screen is built with: the generic card takes the row's title and icon.
    Q_INVOKABLE static QVariantMap properties(const ServiceListItem &item);

private:
    static QString partnerTvId() { return QLatin1String(partnerTv); }
};
