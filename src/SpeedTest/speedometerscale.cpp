#include "speedometerscale.h"

#include <QLocale>

#include <algorithm>

#include <cmath>

const QList<int> &SpeedometerScale::ticks()
{
    static const QList<int> values{0, 5, 10, 50, 100, 250, 500, 750, 1000};
    return values;
}

double SpeedometerScale::fraction(double megabits)
{
    if (!std::isfinite(megabits) || megabits <= 0)
        return 0;
    const double f = std::log10(megabits + 1) / std::log10(1001.0);
    return std::clamp(f, 0.0, 1.0);
}

double SpeedometerScale::needleAngle(double megabits)
{
    return fraction(megabits) * sweepDegrees + startDegrees;
}

int SpeedometerScale::litTickIndex(double megabits)
{
    return int(std::floor(fraction(megabits) * 8));
}

QString SpeedometerScale::tickLabel(int index)
{
    if (index < 0 || index >= ticks().size())
        return {};
    const int value = ticks().at(index);
    return value == 1000 ? QStringLiteral("1k") : QString::number(value);
}

double SpeedometerScale::tickAngle(int index)
{
    return index * 0.125 * sweepDegrees + startDegrees;
}

QPointF SpeedometerScale::tickPosition(int index, double side)
{
    const double radians = tickAngle(index) * M_PI / 180.0;
    return {0.5 * side + 0.34 * side * std::sin(radians), 0.5 * side - 0.34 * side * std::cos(radians)};
}

QString SpeedometerScale::panelValue(const QVariant &megabits)
{
    if (!megabits.isValid() || megabits.isNull())
        return QStringLiteral("—");
    return QString::asprintf("%.1f", megabits.toDouble());
}

QString SpeedometerScale::metricValue(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("—");
    return QString::asprintf("%.0f", value.toDouble());
}

QString SpeedometerScale::gaugeValue(double megabits)
{
    static const QLocale russian(QLocale::Russian, QLocale::Russia);
    return russian.toString(std::isfinite(megabits) ? megabits : 0.0, 'f', 2);
}
