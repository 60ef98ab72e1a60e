#pragma once

#include "confirmationsend.h"
#include "mobilepackage.h"

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The mobile service order behind its screen: the chosen package, the number transfer with its
// check, and the sending of the request it makes. Nothing leaves the device.
class MobileServiceOrder : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The sending state of the request; `confirmed` brings up the confirmation sheet.
    Q_PROPERTY(ConfirmationSend *request READ request CONSTANT)
    Q_PROPERTY(QVariantList packages READ packageList CONSTANT)
    Q_PROPERTY(QString selectedPackageId READ selectedPackageId WRITE setSelectedPackageId NOTIFY selectedPackageChanged)
    // The package with selectedPackageId, else the second one ("mobile-30").
    Q_PROPERTY(MobilePackage selectedPackage READ selectedPackage NOTIFY selectedPackageChanged)
    Q_PROPERTY(QString confirmationMessage READ confirmationMessage NOTIFY confirmationMessageChanged)
    // The number transfer: whether there is one, the field's text (the national digits as
    // "912 345-67-89"; writing it is an edit of the field under the phone entry rule), its check,
    // and the number as the summary card shows it ("+7", or "+7 " and the field's text).
    Q_PROPERTY(bool transferNumber READ transferNumber WRITE setTransferNumber NOTIFY numberChanged)
    Q_PROPERTY(QString phoneNumber READ phoneNumber WRITE setPhoneNumber NOTIFY numberChanged)
    Q_PROPERTY(bool numberInvalid READ numberInvalid NOTIFY numberChanged)
    Q_PROPERTY(bool showsNumberError READ showsNumberError NOTIFY numberChanged)
    Q_PROPERTY(QString numberText READ numberText NOTIFY numberChanged)

public:
    explicit MobileServiceOrder(QObject *parent = nullptr);

    static QVariantList packageList() { return MobilePackage::catalogList(); }
    QString selectedPackageId() const { return m_selectedPackageId; }
    void setSelectedPackageId(const QString &id);
    MobilePackage selectedPackage() const;
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

    ConfirmationSend *request() { return &m_request; }

    // Sends the request (the package, its figures and price, and the number transfer); ignored
    // while sending or while the number is invalid. The inputs stay, so the same order can be
    // sent again.
    Q_INVOKABLE void submit();

Q_SIGNALS:
    void selectedPackageChanged();
    void numberChanged();
    void confirmationMessageChanged();

private:
    QString m_selectedPackageId = QStringLiteral("mobile-30");
    bool m_transferNumber = true;
    QString m_phoneNumber;
    ConfirmationSend m_request;
};
