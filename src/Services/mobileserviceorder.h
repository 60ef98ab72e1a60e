#pragma once

#include "confirmationpause.h"
#include "mobileservicepackage.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The mobile service order behind its screen: the chosen offer, the number transfer with its
// check, the request it makes and the short sending pause before the confirmation. Nothing
// leaves the device.
class MobileServiceOrder : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList packages READ packageList CONSTANT)
    Q_PROPERTY(QString selectedPackageId READ selectedPackageId WRITE setSelectedPackageId NOTIFY selectedPackageChanged)
    // The offer with selectedPackageId, else the second one ("mobile-30").
    Q_PROPERTY(MobileServicePackage selectedPackage READ selectedPackage NOTIFY selectedPackageChanged)
    Q_PROPERTY(bool transferNumber READ transferNumber WRITE setTransferNumber NOTIFY numberChanged)
    // The field as typed.
    Q_PROPERTY(QString phoneNumber READ phoneNumber WRITE setPhoneNumber NOTIFY numberChanged)
    Q_PROPERTY(bool numberInvalid READ numberInvalid NOTIFY numberChanged)
    Q_PROPERTY(bool showsNumberError READ showsNumberError NOTIFY numberChanged)
    // The number as the summary card shows it: "+7", or "+7 " and the field as typed.
    Q_PROPERTY(QString numberText READ numberText NOTIFY numberChanged)
    Q_PROPERTY(QString confirmationMessage READ confirmationMessage NOTIFY confirmationMessageChanged)
    Q_PROPERTY(bool isSubmitting READ isSubmitting NOTIFY isSubmittingChanged)
    // The confirmation sheet is shown; its presenter sets it back to false when it closes.
    Q_PROPERTY(bool confirmationPresented READ confirmationPresented WRITE setConfirmationPresented NOTIFY confirmationPresentedChanged)
    Q_PROPERTY(bool hasRequestError READ hasRequestError NOTIFY requestErrorChanged)
    Q_PROPERTY(QString requestError READ requestError NOTIFY requestErrorChanged)

public:
    using Request = QList<QPair<QString, QString>>;

    explicit MobileServiceOrder(QObject *parent = nullptr);

    const QList<MobileServicePackage> &packages() const { return m_packages; }
    QVariantList packageList() const;
    QString selectedPackageId() const { return m_selectedPackageId; }
    void setSelectedPackageId(const QString &id);
    MobileServicePackage selectedPackage() const;
    bool transferNumber() const { return m_transferNumber; }
    void setTransferNumber(bool transfer);
    QString phoneNumber() const { return m_phoneNumber; }
    void setPhoneNumber(const QString &number);

    // A number to move is 10 digits, or 11 whose first is 7 or 8; no number is checked without
    // a transfer.
    bool numberInvalid() const;
    bool showsNumberError() const { return m_transferNumber && !m_phoneNumber.isEmpty() && numberInvalid(); }
    // "+7" and the ten digits after the country code; empty for an invalid number.
    QString transferredNumber() const;
    QString numberText() const;
    QString confirmationMessage() const;
    // The request as the last submission put it together. Empty before the first.
    Request lastRequest() const { return m_lastRequest; }

    bool isSubmitting() const { return m_isSubmitting; }
    bool confirmationPresented() const { return m_confirmationPresented; }
    void setConfirmationPresented(bool presented);
    bool hasRequestError() const { return m_requestError.has_value(); }
    QString requestError() const { return m_requestError.value_or(QString()); }

    // Shows the sending state, then the confirmation; ignored while sending or while the number
    // is invalid.
    Q_INVOKABLE void submit();
    // Ends a running submission with the cancellation text in the error alert (the screen
    // calls it when it goes).
    Q_INVOKABLE void cancel();
    Q_INVOKABLE void clearRequestError();

Q_SIGNALS:
    void selectedPackageChanged();
    void numberChanged();
    void confirmationMessageChanged();
    void isSubmittingChanged();
    void confirmationPresentedChanged();
    void requestErrorChanged();

private:
    void setSubmitting(bool submitting);
    void finishSubmission();
    void failSubmission(const QString &description);

    const QList<MobileServicePackage> m_packages = MobileServicePackage::table();
    QString m_selectedPackageId = QStringLiteral("mobile-30");
    bool m_transferNumber = true;
    QString m_phoneNumber;
    bool m_isSubmitting = false;
    bool m_confirmationPresented = false;
    std::optional<QString> m_requestError;
    Request m_lastRequest;
    ConfirmationPause m_pause;
};
