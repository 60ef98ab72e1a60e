#pragma once

#include "servicelistitem.h"

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The services hub's router: which screen a row opens, decided by its exact title. It names an
// entry of the `Destinations` registry and the properties to push it with; the services tab
// pushes `Destinations[entry(title)]` with properties(item) and the entry's `Destinations.links`.
class ServiceDestinationView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The registry entry of the screen for `title`; "homeServiceDetail" (the generic service
    // card) for any title without a screen of its own, letter case included.
    Q_INVOKABLE static QString entry(const QString &title);
    // What the screen is built with: the generic card takes the row's title and icon.
    Q_INVOKABLE static QVariantMap properties(const ServiceListItem &item);
};
