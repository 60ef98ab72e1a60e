#pragma once

#include "tariffcategory.h"
#include "tariffplan.h"

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The state of the tariff chooser: the plan table, the category on show and the chosen plan.
// A new chooser builds a new table.
class TariffSelection : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList categoryTitles READ categoryTitles CONSTANT)
    Q_PROPERTY(TariffCategory::Category category READ category WRITE setCategory NOTIFY categoryChanged)
    // The plans of the category on show, in table order (TariffPlan values).
    Q_PROPERTY(QVariantList visiblePlans READ visiblePlans NOTIFY categoryChanged)
    Q_PROPERTY(QString selectedPlanId READ selectedPlanId NOTIFY selectionChanged)
    // Invalid (isValid false) while nothing is chosen.
    Q_PROPERTY(TariffPlan selectedPlan READ selectedPlan NOTIFY selectionChanged)
    Q_PROPERTY(bool hasSelection READ hasSelection NOTIFY selectionChanged)

public:
    explicit TariffSelection(QObject *parent = nullptr);

    const QList<TariffPlan> &plans() const { return m_plans; }
    QStringList categoryTitles() const;
    TariffCategory::Category category() const { return m_category; }
    // A change of category also clears the chosen plan.
    void setCategory(TariffCategory::Category category);
    QList<TariffPlan> plansOfCategory() const;
    QVariantList visiblePlans() const;
    QString selectedPlanId() const { return m_selectedPlanId; }
    TariffPlan selectedPlan() const;
    bool hasSelection() const { return selectedPlan().isValid(); }

    // Chooses the plan with this id; the current plan and unknown ids are ignored.
    Q_INVOKABLE void select(const QString &planId);

Q_SIGNALS:
    void categoryChanged();
    void selectionChanged();

private:
    QList<TariffPlan> m_plans = TariffPlan::table();
    TariffCategory::Category m_category = TariffCategory::Internet;
    QString m_selectedPlanId;
};
