#include "tariffselection.h"

TariffSelection::TariffSelection(QObject *parent)
    : QObject(parent)
{
}

QStringList TariffSelection::categoryTitles() const
{
    QStringList titles;
    for (const TariffCategory::Category category : TariffCategory::allCases())
        titles.append(TariffCategory::rawValue(category));
    return titles;
}

void TariffSelection::setCategory(TariffCategory::Category category)
{
    if (m_category == category)
        return;
    m_category = category;
    Q_EMIT categoryChanged();
    if (!m_selectedPlanId.isEmpty()) {
        m_selectedPlanId.clear();
        Q_EMIT selectionChanged();
    }
}

QList<TariffPlan> TariffSelection::plansOfCategory() const
{
    QList<TariffPlan> shown;
    for (const TariffPlan &plan : m_plans) {
        if (plan.category == m_category)
            shown.append(plan);
    }
    return shown;
}

QVariantList TariffSelection::visiblePlans() const
{
    QVariantList list;
    for (const TariffPlan &plan : plansOfCategory())
        list.append(QVariant::fromValue(plan));
    return list;
}

TariffPlan TariffSelection::selectedPlan() const
{
    if (m_selectedPlanId.isEmpty())
        return {};
    for (const TariffPlan &plan : m_plans) {
        if (plan.id == m_selectedPlanId)
            return plan;
    }
    return {};
}

void TariffSelection::select(const QString &planId)
{
    for (const TariffPlan &plan : m_plans) {
        if (plan.id != planId)
            continue;
        if (plan.isCurrent || m_selectedPlanId == planId)
            return;
        m_selectedPlanId = planId;
        Q_EMIT selectionChanged();
        return;
    }
}
