#pragma once

#include "tariffcategory.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// A tariff plan of the chooser. `id` is made afresh each time the table is built.
class TariffPlan
{
    Q_GADGET
    QML_VALUE_TYPE(tariffPlan)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(qint64 speed MEMBER speed)
    Q_PROPERTY(qint64 price MEMBER price)
    Q_PROPERTY(TariffCategory::Category category MEMBER category)
    Q_PROPERTY(QString features MEMBER features)
    Q_PROPERTY(bool isCurrent MEMBER isCurrent)
    Q_PROPERTY(bool isValid READ isValid)

public:
    QString id;
    QString name;
    qint64 speed = 0; // Mbit/s
    qint64 price = 0; // whole rubles a month
    TariffCategory::Category category = TariffCategory::Internet;
    QString features;
    bool isCurrent = false;

    bool isValid() const { return !id.isEmpty(); }

    // The eleven plans in display order, each with a new random id.
    static QList<TariffPlan> table();

    friend bool operator==(const TariffPlan &, const TariffPlan &) = default;
};
