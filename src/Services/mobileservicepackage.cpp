#include "mobileservicepackage.h"

#include "theme.h"

#include <QVariant>

QList<MobileServicePackage> MobileServicePackage::table()
{
    const Theme theme;
    const auto colour = [&theme](const char *name) { return theme.property(name).value<QColor>(); };
    return {
        {QStringLiteral("mobile-10"), QStringLiteral("Старт"), QStringLiteral("10 ГБ"), QStringLiteral("300 минут"), 250,
         colour("systemBlue")},
        {QStringLiteral("mobile-30"), QStringLiteral("Оптимальный"), QStringLiteral("30 ГБ"),
         QStringLiteral("600 минут"), 300, Theme::tarPink()},
        {QStringLiteral("mobile-50"), QStringLiteral("Максимум"), QStringLiteral("50 ГБ"), QStringLiteral("1 000 минут"),
         450, Theme::tarOrange()},
        {QStringLiteral("mobile-unlimited"), QStringLiteral("Безлимит"), QStringLiteral("∞ ГБ"),
         QStringLiteral("1 500 минут"), 650, colour("systemGreen")},
    };
}
