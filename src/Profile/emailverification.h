#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

class UserDefaults;

// The state behind the e-mail confirmation screen: the address, the asked-for code (a fixed test
// code; nothing is sent) and the message of its alert. A correct code stores the address under
// Defaults::verifiedEmail and, when confirming for two-factor sign-in, Defaults::twoFactorEnabled.
class EmailVerification : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Purpose purpose READ purpose WRITE setPurpose NOTIFY purposeChanged)
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString code READ code WRITE setCode NOTIFY codeChanged)
    Q_PROPERTY(bool codeSent READ codeSent NOTIFY codeSentChanged)
    // Shown in the alert while not empty.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(QString buttonTitle READ buttonTitle NOTIFY codeSentChanged)

public:
    enum Purpose { TwoFactor, Profile };
    Q_ENUM(Purpose)

    static constexpr auto testCode = "8806";

    // Over the store QML reads (StoredPreference::defaults()).
    explicit EmailVerification(QObject *parent = nullptr);
    explicit EmailVerification(UserDefaults *defaults, QObject *parent = nullptr);

    Purpose purpose() const { return m_purpose; }
    void setPurpose(Purpose purpose);
    QString email() const { return m_email; }
    void setEmail(const QString &email);
    QString code() const { return m_code; }
    void setCode(const QString &code);
    bool codeSent() const { return m_codeSent; }
    QString message() const { return m_message; }
    QString buttonTitle() const;

    // When the screen comes up: an empty field is offered the stored address.
    Q_INVOKABLE void appear();
    // The main button: asks for the code, or checks it once asked.
    Q_INVOKABLE void press();
    Q_INVOKABLE void sendCode();
    Q_INVOKABLE void verify();
    Q_INVOKABLE void clearMessage();

Q_SIGNALS:
    void purposeChanged();
    void emailChanged();
    void codeChanged();
    void codeSentChanged();
    void messageChanged();

private:
    void setMessage(const QString &message);

    QPointer<UserDefaults> m_defaults;
    Purpose m_purpose = Profile;
    QString m_email;
    QString m_code;
    bool m_codeSent = false;
    QString m_message;
};
