#include "mobilepackage.h"

QString MobilePackage::priceText() const
{
    return QString::number(price) + QStringLiteral(" ₽/мес.");
}

const QList<MobilePackage> &MobilePackage::catalog()
{
    static const QList<MobilePackage> packages{
        {QStringLiteral("mobile-10"), QStringLiteral("Старт"), QStringLiteral("10 ГБ · 300 минут"), 250},
        {QStringLiteral("mobile-30"), QStringLiteral("Оптимальный"), QStringLiteral("30 ГБ · 600 минут"), 300},
        {QStringLiteral("mobile-50"), QStringLiteral("Максимум"), QStringLiteral("50 ГБ · 1 000 минут"), 450},
        {QStringLiteral("mobile-unlimited"), QStringLiteral("Безлимит"),
         QStringLiteral("Безлимитный интернет · 1 500 минут"), 650},
    };
    return packages;
}

const MobilePackage *MobilePackage::find(const QString &id)
{
    for (const MobilePackage &package : catalog()) {
        if (package.id == id)
            return &package;
    }
    return nullptr;
}
