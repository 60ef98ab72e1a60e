#include "tarvikappearancetheme.h"

TarvikAppearanceTheme::TarvikAppearanceTheme(QObject *parent)
    : QObject(parent)
{
}

QList<TarvikAppearanceTheme::Theme> TarvikAppearanceTheme::allCases()
{
    return {System, Light, Dark};
}

QString TarvikAppearanceTheme::rawValue(Theme theme)
{
    switch (theme) {
    case System:
        return QStringLiteral("Системная");
    case Light:
        return QStringLiteral("Светлая");
    case Dark:
        return QStringLiteral("Тёмная");
    }
    return {};
}

std::optional<TarvikAppearanceTheme::Theme> TarvikAppearanceTheme::fromRawValue(const QString &text)
{
    for (Theme theme : allCases()) {
        if (rawValue(theme) == text)
            return theme;
    }
    return std::nullopt;
}

QVariant TarvikAppearanceTheme::themeOf(const QString &text) const
{
    const auto theme = fromRawValue(text);
    return theme ? QVariant(int(*theme)) : QVariant();
}

QList<int> TarvikAppearanceTheme::allCaseValues()
{
    QList<int> values;
    for (Theme theme : allCases())
        values.append(theme);
    return values;
}
