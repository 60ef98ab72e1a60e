#pragma once

#include "confirmationpause.h"
#include "tariffplan.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

class MobilePackage;
class TVPackage;

// The tariff change order behind its screen: the chosen plan, the partner TV and mobile packages
// added to it, the engineer's visit and the comment, the monthly total and the texts derived from
// them, and the short sending pause before the confirmation. The package sheets write through
// the choose/toggle verbs. Nothing leaves the device.
class TariffConnectionOrder : public QObject
{
    Q_OBJECT
    QML_ELEMENT
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
    Q_PROPERTY(QString additionsDescription READ additionsDescription NOTIFY selectionChanged)
    Q_PROPERTY(QString tvSubtitle READ tvSubtitle NOTIFY selectionChanged)
    Q_PROPERTY(QString mobileSubtitle READ mobileSubtitle NOTIFY selectionChanged)
    Q_PROPERTY(QString confirmationMessage READ confirmationMessage NOTIFY selectionChanged)
    Q_PROPERTY(bool isSubmitting READ isSubmitting NOTIFY isSubmittingChanged)
    // The success alert is shown; its presenter sets it back to false when it closes.
    Q_PROPERTY(bool requestAccepted READ requestAccepted WRITE setRequestAccepted NOTIFY requestAcceptedChanged)
    Q_PROPERTY(bool hasRequestError READ hasRequestError NOTIFY requestErrorChanged)
    Q_PROPERTY(QString requestError READ requestError NOTIFY requestErrorChanged)

public:
    using Summary = QList<QPair<QString, QString>>;

    explicit TariffConnectionOrder(QObject *parent = nullptr);

    TariffPlan plan() const { return m_plan; }
    void setPlan(const TariffPlan &plan);
    QString tvBaseId() const { return m_tvBaseId; }
    void setTvBaseId(const QString &id);
    QStringList tvAddonIds() const;
    QString mobileId() const { return m_mobileId; }
    void setMobileId(const QString &id);
    static QVariantList mobileCatalog();

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
    // Whole roubles a month: the plan, the base TV package (not for a TV plan, whose price holds
    // it), the add-ons, and the mobile package (not for a mobile plan).
    qint64 monthlyTotal() const;
    QString additionsDescription() const;
    QString tvSubtitle() const;
    QString mobileSubtitle() const;
    QString confirmationMessage() const;
    // The request as the last submission put it together: "Тариф", "Скорость", "Дополнительно",
    // "Итого". Empty before the first.
    Summary lastSummary() const { return m_lastSummary; }

    bool isSubmitting() const { return m_isSubmitting; }
    bool requestAccepted() const { return m_requestAccepted; }
    void setRequestAccepted(bool accepted);
    bool hasRequestError() const { return m_requestError.has_value(); }
    QString requestError() const { return m_requestError.value_or(QString()); }

    // The TV sheet's rules: "Без 24ТВ" drops the base package and every add-on; a base package
    // leaves the add-ons alone; an add-on toggles, and adding one with no base chooses the free
    // base package "0".
    Q_INVOKABLE void chooseNoTV();
    Q_INVOKABLE void chooseTVBase(const QString &id);
    Q_INVOKABLE void toggleTVAddon(const QString &id);
    Q_INVOKABLE bool hasTVAddon(const QString &id) const { return m_tvAddonIds.contains(id); }
    // The mobile sheet: an id of the catalog, or empty for "Без мобильной связи".
    Q_INVOKABLE void chooseMobile(const QString &id) { setMobileId(id); }

    // Shows the sending state, then the success alert; ignored while sending.
    Q_INVOKABLE void submit();
    // Ends a running submission with the cancellation text in the error alert (the screen
    // calls it when it goes).
    Q_INVOKABLE void cancel();
    Q_INVOKABLE void clearRequestError();

Q_SIGNALS:
    void planChanged();
    void selectionChanged();
    void visitDateChanged();
    void visitTimeChanged();
    void commentChanged();
    void isSubmittingChanged();
    void requestAcceptedChanged();
    void requestErrorChanged();

private:
    void setSubmitting(bool submitting);
    void finishSubmission();
    void failSubmission(const QString &description);

    TariffPlan m_plan;
    QString m_tvBaseId;
    QSet<QString> m_tvAddonIds;
    QString m_mobileId;
    QDateTime m_openedAt = QDateTime::currentDateTime();
    QDateTime m_visitDate;
    QDateTime m_visitTime = m_openedAt;
    QString m_comment;
    bool m_isSubmitting = false;
    bool m_requestAccepted = false;
    std::optional<QString> m_requestError;
    Summary m_lastSummary;
    ConfirmationPause m_pause;
};
