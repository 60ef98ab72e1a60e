#pragma once

#include "confirmationsend.h"
#include "mobilepackage.h"
#include "tariffplan.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

class TVPackage;

// The tariff change order behind its screen: the chosen plan, the partner TV and mobile packages
// added to it, the engineer's visit and the comment, the monthly total and the texts derived from
// them, and the sending of the request. The package sheets write through the choose/toggle verbs.
// Nothing leaves the device.
class TariffConnectionOrder : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The sending state of the request; `confirmed` brings up the success alert.
    Q_PROPERTY(ConfirmationSend *request READ request CONSTANT)
    // Set once, when the screen is made; it also sets the packages a TV or mobile plan starts with.
    Q_PROPERTY(TariffPlan plan READ plan WRITE setPlan NOTIFY planChanged)
    // Id of the base package of the partner TV main catalog; empty: no partner TV.
    Q_PROPERTY(QString tvBaseId READ tvBaseId WRITE setTvBaseId NOTIFY selectionChanged)
    // Ids of the chosen add-on packages, in catalog order (unknown ids last).
    Q_PROPERTY(QStringList tvAddonIds READ tvAddonIds NOTIFY selectionChanged)
    // Id of the chosen mobile package; empty: none.
    Q_PROPERTY(QString mobileId READ mobileId WRITE setMobileId NOTIFY selectionChanged)
    Q_PROPERTY(QVariantList mobileCatalog READ mobileCatalog CONSTANT)
    // The visit day, from the day the order was opened on (tomorrow at first), and the visit time.
    Q_PROPERTY(QDateTime visitDate READ visitDate WRITE setVisitDate NOTIFY visitDateChanged)
    Q_PROPERTY(QDateTime earliestVisitDate READ earliestVisitDate CONSTANT)
    Q_PROPERTY(QDateTime visitTime READ visitTime WRITE setVisitTime NOTIFY visitTimeChanged)
    Q_PROPERTY(QString comment READ comment WRITE setComment NOTIFY commentChanged)
    Q_PROPERTY(qint64 monthlyTotal READ monthlyTotal NOTIFY selectionChanged)
    Q_PROPERTY(QString tvSubtitle READ tvSubtitle NOTIFY selectionChanged)
    Q_PROPERTY(QString mobileSubtitle READ mobileSubtitle NOTIFY selectionChanged)
    Q_PROPERTY(QString confirmationMessage READ confirmationMessage NOTIFY selectionChanged)

public:
    explicit TariffConnectionOrder(QObject *parent = nullptr);

    TariffPlan plan() const { return m_plan; }
    void setPlan(const TariffPlan &plan);
    QString tvBaseId() const { return m_tvBaseId; }
    void setTvBaseId(const QString &id);
    QStringList tvAddonIds() const;
    QString mobileId() const { return m_mobileId; }
    void setMobileId(const QString &id);
    static QVariantList mobileCatalog() { return MobilePackage::catalogList(); }

    QDateTime visitDate() const { return m_visitDate; }
    void setVisitDate(const QDateTime &date);
    QDateTime earliestVisitDate() const { return m_openedAt; }
    QDateTime visitTime() const { return m_visitTime; }
    void setVisitTime(const QDateTime &time);
    QString comment() const { return m_comment; }
    void setComment(const QString &comment);

    const TVPackage *selectedTVBase() const;
    QList<TVPackage> selectedTVAddons() const;
    const MobilePackage *selectedMobile() const;
    // Whole rubles a month: the plan, the base TV package (not for a TV plan, whose price holds
    // it), the add-ons, and the mobile package (not for a mobile plan).
    qint64 monthlyTotal() const;
    QString additionsDescription() const;
    QString tvSubtitle() const;
    QString mobileSubtitle() const;
    QString confirmationMessage() const;

    ConfirmationSend *request() { return &m_request; }

    // The TV sheet's rules: "Без 24ТВ" drops the base package and every add-on; a base package
    // leaves the add-ons alone; an add-on toggles, and adding one with no base chooses the free
    // base package "0".
    Q_INVOKABLE void chooseNoTV();
    Q_INVOKABLE void chooseTVBase(const QString &id);
    Q_INVOKABLE void toggleTVAddon(const QString &id);
    Q_INVOKABLE bool hasTVAddon(const QString &id) const { return m_tvAddonIds.contains(id); }
    // The mobile sheet: an id of the catalog, or empty for "Без мобильной связи".
    Q_INVOKABLE void chooseMobile(const QString &id) { setMobileId(id); }

    // Sends the request ("Тариф", "Скорость", "Дополнительно", "Итого"); ignored while sending.
    Q_INVOKABLE void submit();

Q_SIGNALS:
    void planChanged();
    void selectionChanged();
    void visitDateChanged();
    void visitTimeChanged();
    void commentChanged();

private:
    TariffPlan m_plan;
    QString m_tvBaseId;
    QSet<QString> m_tvAddonIds;
    QString m_mobileId;
    QDateTime m_openedAt = QDateTime::currentDateTime();
    QDateTime m_visitDate;
    QDateTime m_visitTime = m_openedAt;
    QString m_comment;
    ConfirmationSend m_request;
};
