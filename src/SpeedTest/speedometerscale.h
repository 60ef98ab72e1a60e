#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

// The speedometer's scale: 0 to 1000 Mbit/s, logarithmic, over a 270° arc open at the bottom.
// Angles are degrees clockwise from straight up. Also the texts of the speed-test screen.
// Stateless; reached from QML as the singleton `SpeedometerScale`.
class SpeedometerScale : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int tickCount READ tickCount CONSTANT)

public:
    static constexpr double sweepDegrees = 270;
    static constexpr double startDegrees = -135;

    using QObject::QObject;

    static const QList<int> &ticks();
    int tickCount() const { return int(ticks().size()); }

    // Where a speed sits along the arc, 0 to 1; negative or not finite counts as 0.
    Q_INVOKABLE static double fraction(double megabits);
    Q_INVOKABLE static double needleAngle(double megabits);
    // The labels up to this index are lit: the whole part of 8 × fraction.
    Q_INVOKABLE static int litTickIndex(double megabits);
    Q_INVOKABLE static QString tickLabel(int index);
    Q_INVOKABLE static double tickAngle(int index);
    // Centre of a label in a dial of `side`, 0.34 × side from its centre.
    Q_INVOKABLE static QPointF tickPosition(int index, double side);

    // "94.4" (one decimal, point) or "—"; "13" (no decimals) or "—"; "94,37" (two decimals, Russian).
    Q_INVOKABLE static QString panelValue(const QVariant &megabits);
    Q_INVOKABLE static QString metricValue(const QVariant &value);
    Q_INVOKABLE static QString gaugeValue(double megabits);
};
