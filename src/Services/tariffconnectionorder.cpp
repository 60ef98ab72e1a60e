#include "tariffconnectionorder.h"

#include "tvpackagecatalog.h"

namespace
{
const QString freeBasePackageId = QStringLiteral("0");
const QString separator = QStringLiteral(" · ");
} // namespace

TariffConnectionOrder::TariffConnectionOrder(QObject *parent)
    : QObject(parent)
{
    const QDateTime tomorrow = m_openedAt.addDays(1);
    m_visitDate = tomorrow.isValid() ? tomorrow : m_openedAt;
}

void TariffConnectionOrder::setPlan(const TariffPlan &plan)
{
    if (m_plan == plan)
        return;
    m_plan = plan;
    // A TV plan comes with a base package and a mobile plan with a mobile package.
    m_tvBaseId = plan.category == TariffCategory::Tv ? QStringLiteral("690") : QString();
    m_tvAddonIds.clear();
    m_mobileId = plan.category == TariffCategory::Mobile ? QStringLiteral("mobile-30") : QString();
    Q_EMIT planChanged();
    Q_EMIT selectionChanged();
}

void TariffConnectionOrder::setTvBaseId(const QString &id)
{
    if (m_tvBaseId == id)
        return;
    m_tvBaseId = id;
    Q_EMIT selectionChanged();
}

QStringList TariffConnectionOrder::tvAddonIds() const
{
    QStringList ids;
    for (const TVPackage &package : TVPackageCatalog::additionalCatalog()) {
        if (m_tvAddonIds.contains(package.id))
            ids.append(package.id);
    }
    QStringList unknown;
    for (const QString &id : m_tvAddonIds) {
        if (!ids.contains(id))
            unknown.append(id);
    }
    unknown.sort();
    return ids + unknown;
}

void TariffConnectionOrder::setMobileId(const QString &id)
{
    if (m_mobileId == id)
        return;
    m_mobileId = id;
    Q_EMIT selectionChanged();
}

void TariffConnectionOrder::setVisitDate(const QDateTime &date)
{
    if (m_visitDate == date)
        return;
    m_visitDate = date;
    Q_EMIT visitDateChanged();
}

void TariffConnectionOrder::setVisitTime(const QDateTime &time)
{
    if (m_visitTime == time)
        return;
    m_visitTime = time;
    Q_EMIT visitTimeChanged();
}

void TariffConnectionOrder::setComment(const QString &comment)
{
    if (m_comment == comment)
        return;
    m_comment = comment;
    Q_EMIT commentChanged();
}

const TVPackage *TariffConnectionOrder::selectedTVBase() const
{
    if (m_tvBaseId.isEmpty())
        return nullptr;
    for (const TVPackage &package : TVPackageCatalog::mainCatalog()) {
        if (package.id == m_tvBaseId)
            return &package;
    }
    return nullptr;
}

QList<TVPackage> TariffConnectionOrder::selectedTVAddons() const
{
    QList<TVPackage> addons;
    for (const TVPackage &package : TVPackageCatalog::additionalCatalog()) {
        if (m_tvAddonIds.contains(package.id))
            addons.append(package);
    }
    return addons;
}

const MobilePackage *TariffConnectionOrder::selectedMobile() const
{
    return m_mobileId.isEmpty() ? nullptr : MobilePackage::find(m_mobileId);
}

qint64 TariffConnectionOrder::monthlyTotal() const
{
    qint64 total = m_plan.price;
    if (m_plan.category != TariffCategory::Tv) {
        if (const TVPackage *base = selectedTVBase())
            total += base->monthlyPrice();
    }
    for (const TVPackage &addon : selectedTVAddons())
        total += addon.monthlyPrice();
    if (m_plan.category != TariffCategory::Mobile) {
        if (const MobilePackage *mobile = selectedMobile())
            total += mobile->price;
    }
    return total;
}

QString TariffConnectionOrder::additionsDescription() const
{
    QStringList parts;
    if (const TVPackage *base = selectedTVBase())
        parts.append(QStringLiteral("24ТВ «") + base->title + QStringLiteral("»"));
    QStringList addonTitles;
    for (const TVPackage &addon : selectedTVAddons())
        addonTitles.append(addon.title);
    if (!addonTitles.isEmpty())
        parts.append(addonTitles.join(QStringLiteral(", ")));
    if (const MobilePackage *mobile = selectedMobile())
        parts.append(QStringLiteral("мобильная связь «") + mobile->title + QStringLiteral("»"));
    return parts.isEmpty() ? QStringLiteral("без дополнительных услуг") : parts.join(QStringLiteral(" и "));
}

QString TariffConnectionOrder::tvSubtitle() const
{
    // Add-ons alone do not show here; they always come with a base package from the sheet.
    const TVPackage *base = selectedTVBase();
    if (!base)
        return QStringLiteral("Выбрать пакет или подписки");
    QString text = base->title + separator + base->price;
    const qsizetype addons = selectedTVAddons().size();
    if (addons > 0)
        text += separator + QStringLiteral("ещё ") + QString::number(addons);
    return text;
}

QString TariffConnectionOrder::mobileSubtitle() const
{
    const MobilePackage *mobile = selectedMobile();
    if (!mobile)
        return QStringLiteral("Выбрать пакет");
    return mobile->title + separator + mobile->priceText();
}

QString TariffConnectionOrder::confirmationMessage() const
{
    return QStringLiteral("Специалист Tarvik свяжется с вами и подтвердит тариф «") + m_plan.name
        + QStringLiteral("», ") + additionsDescription() + QStringLiteral(". Итого — ")
        + QString::number(monthlyTotal()) + QStringLiteral(" ₽ в месяц.");
}

void TariffConnectionOrder::chooseNoTV()
{
    if (m_tvBaseId.isEmpty() && m_tvAddonIds.isEmpty())
        return;
    m_tvBaseId.clear();
    m_tvAddonIds.clear();
    Q_EMIT selectionChanged();
}

void TariffConnectionOrder::chooseTVBase(const QString &id)
{
    setTvBaseId(id);
}

void TariffConnectionOrder::toggleTVAddon(const QString &id)
{
    if (m_tvAddonIds.remove(id)) {
        Q_EMIT selectionChanged();
        return;
    }
    m_tvAddonIds.insert(id);
    // An add-on is never left without a base package.
    if (m_tvBaseId.isEmpty())
        m_tvBaseId = freeBasePackageId;
    Q_EMIT selectionChanged();
}

void TariffConnectionOrder::submit()
{
    m_request.send({
        {QStringLiteral("Тариф"), m_plan.name},
        {QStringLiteral("Скорость"), QString::number(m_plan.speed) + QStringLiteral(" Мбит/с")},
        {QStringLiteral("Дополнительно"), additionsDescription()},
        {QStringLiteral("Итого"), QString::number(monthlyTotal()) + QStringLiteral(" ₽/мес.")},
    });
}
