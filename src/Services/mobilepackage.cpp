#include "mobilepackage.h"

#include "theme.h"

#include <QVariant>

QString MobilePackage::priceText() const
{
    return QString::number(price) + QStringLiteral(" ₽/мес.");
}

const QList<MobilePackage> &MobilePackage::catalog()
{
    static const QList<MobilePackage> packages = [] {
        const Theme theme;
        const auto colour = [&theme](const char *name) { return theme.property(name).value<QColor>(); };
        return QList<MobilePackage>{
            {QStringLiteral("mobile-10"), QStringLiteral("Старт"), QStringLiteral("10 ГБ"), QStringLiteral("300 минут"),
             QStringLiteral("10 ГБ · 300 минут"), 250, colour("systemBlue")},
            {QStringLiteral("mobile-30"), QStringLiteral("Оптимальный"), QStringLiteral("30 ГБ"), QStringLiteral("600 минут"),
             QStringLiteral("30 ГБ · 600 минут"), 300, Theme::tarPink()},
            {QStringLiteral("mobile-50"), QStringLiteral("Максимум"), QStringLiteral("50 ГБ"), QStringLiteral("1 000 минут"),
             QStringLiteral("50 ГБ · 1 000 минут"), 450, Theme::tarOrange()},
            {QStringLiteral("mobile-unlimited"), QStringLiteral("Безлимит"), QStringLiteral("∞ ГБ"),
             QStringLiteral("1 500 минут"), QStringLiteral("Безлимитный интернет · 1 500 минут"), 650, colour("systemGreen")},
        };
    }();
    return packages;
}

QVariantList MobilePackage::catalogList()
{
    QVariantList list;
    for (const MobilePackage &package : catalog())
        list.append(QVariant::fromValue(package));
    return list;
}

const MobilePackage *MobilePackage::find(const QString &id)
{
    for (const MobilePackage &package : catalog()) {
        if (package.id == id)
            return &package;
    }
    return nullptr;
}
