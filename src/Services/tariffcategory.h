#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The three groups of tariff plans; their texts are the chooser's segment labels.
namespace TariffCategory
{
Q_NAMESPACE
QML_ELEMENT
enum Category {
    Internet,
    Tv,
    Mobile,
};
Q_ENUM_NS(Category)

// Every category, in the order of the chooser's segments.
QList<Category> allCases();
// "Интернет", "Интернет + ТВ", "Интернет + связь".
QString rawValue(Category category);
// The category whose text is exactly `text`; none for any other text.
std::optional<Category> fromRawValue(const QString &text);
} // namespace TariffCategory
