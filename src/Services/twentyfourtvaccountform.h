#pragma once

#include "haptics.h"
#include "tarvikaccountstoreqml.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The partner TV account sheet's state: the phone field in its "+7 (ddd) ddd-dd-dd" mask, the
// Russian-mobile check and the creation request. A request outlives a closed sheet; its result
// then reaches no one.
class TwentyFourTVAccountForm : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(TarvikAccountStoreQml *accountStore READ accountStore WRITE setAccountStore NOTIFY accountStoreChanged)
    Q_PROPERTY(Haptics *haptics READ haptics WRITE setHaptics NOTIFY hapticsChanged)
    // The field's text, always in mask form; writing it is an edit of the field under the phone
    // entry rule.
    Q_PROPERTY(QString phoneNumber READ phoneNumber WRITE setPhoneNumber NOTIFY phoneNumberChanged)
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    // The inline error under the field; empty while there is none.
    Q_PROPERTY(QString error READ error NOTIFY errorChanged)
    // The success alert's message; empty while it is not shown.
    Q_PROPERTY(QString successMessage READ successMessage WRITE setSuccessMessage NOTIFY successMessageChanged)

public:
    static const QString invalidNumberText;
    static const QString fallbackErrorText;

    explicit TwentyFourTVAccountForm(QObject *parent = nullptr);

    // The digits to send when `text` is a Russian mobile number (11 digits, "79..."), else empty.
    static QString mobileDigits(const QString &text);

    TarvikAccountStoreQml *accountStore() const { return m_accountStore; }
    void setAccountStore(TarvikAccountStoreQml *store);
    Haptics *haptics() const { return m_haptics; }
    void setHaptics(Haptics *haptics);
    QString phoneNumber() const { return m_phoneNumber; }
    void setPhoneNumber(const QString &text);
    bool isLoading() const { return m_isLoading; }
    QString error() const { return m_error; }
    QString successMessage() const { return m_successMessage; }
    void setSuccessMessage(const QString &message);

    // The main button: checks the number and sends it; does nothing while a request runs.
    Q_INVOKABLE void createAccount();

Q_SIGNALS:
    void accountStoreChanged();
    void hapticsChanged();
    void phoneNumberChanged();
    void isLoadingChanged();
    void errorChanged();
    void successMessageChanged();

private:
    void setLoading(bool loading);
    void setError(const QString &error);
    void play(int kind);

    QPointer<TarvikAccountStoreQml> m_accountStore;
    QPointer<Haptics> m_haptics;
    QString m_phoneNumber = QStringLiteral("+7 ");
    bool m_isLoading = false;
    QString m_error;
    QString m_successMessage;
};
