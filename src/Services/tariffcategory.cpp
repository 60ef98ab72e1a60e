#include "tariffcategory.h"

namespace TariffCategory
{
QList<Category> allCases()
{
    return {Internet, Tv, Mobile};
}

QString rawValue(Category category)
{
    switch (category) {
    case Internet:
        return QStringLiteral("Интернет");
    case Tv:
        return QStringLiteral("Интернет + ТВ");
    case Mobile:
        return QStringLiteral("Интернет + связь");
    }
    return {};
}

std::optional<Category> fromRawValue(const QString &text)
{
    for (const Category category : allCases()) {
        if (rawValue(category) == text)
            return category;
    }
    return std::nullopt;
}
} // namespace TariffCategory
