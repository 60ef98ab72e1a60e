#include "emailverification.h"

#include "storedpreference.h"
#include "userdefaults.h"

EmailVerification::EmailVerification(QObject *parent)
    : EmailVerification(StoredPreference::defaults(), parent)
{
}

EmailVerification::EmailVerification(UserDefaults *defaults, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
{
}

void EmailVerification::setPurpose(Purpose purpose)
{
    if (m_purpose == purpose)
        return;
    m_purpose = purpose;
    Q_EMIT purposeChanged();
    Q_EMIT codeSentChanged();
}

void EmailVerification::setEmail(const QString &email)
{
    if (m_email == email)
        return;
    m_email = email;
    Q_EMIT emailChanged();
}

void EmailVerification::setCode(const QString &code)
{
    if (m_code == code)
        return;
    m_code = code;
    Q_EMIT codeChanged();
}

QString EmailVerification::buttonTitle() const
{
    if (!m_codeSent)
        return QStringLiteral("Получить код");
    return m_purpose == TwoFactor ? QStringLiteral("Подключить защиту") : QStringLiteral("Подтвердить e-mail");
}

void EmailVerification::appear()
{
    if (m_email.isEmpty() && m_defaults)
        setEmail(m_defaults->value(Defaults::verifiedEmail));
}

void EmailVerification::press()
{
    if (m_codeSent)
        verify();
    else
        sendCode();
}

void EmailVerification::sendCode()
{
    if (!m_email.contains(QLatin1Char('@')) || !m_email.contains(QLatin1Char('.'))) {
        setMessage(QStringLiteral("Введите корректный адрес e-mail."));
        return;
    }
    if (!m_codeSent) {
        m_codeSent = true;
        Q_EMIT codeSentChanged();
    }
}

void EmailVerification::verify()
{
    if (m_code != QLatin1String(testCode)) {
        setMessage(QStringLiteral("Неверный код. Для макета используйте 8806."));
        return;
    }
    // Success is said only for what was stored: the settings refuse a value past their limit.
    if (!m_defaults || !m_defaults->setValue(Defaults::verifiedEmail, m_email.trimmed())) {
        setMessage(QStringLiteral("Не удалось сохранить e-mail: адрес слишком длинный."));
        return;
    }
    if (m_purpose == TwoFactor && !m_defaults->setValue(Defaults::twoFactorEnabled, true)) {
        setMessage(QStringLiteral("Не удалось подключить двухфакторную аутентификацию."));
        return;
    }
    setMessage(m_purpose == TwoFactor ? QStringLiteral("Двухфакторная аутентификация подключена.")
                                      : QStringLiteral("E-mail подтверждён и добавлен в профиль."));
}

void EmailVerification::clearMessage()
{
    setMessage(QString());
}

void EmailVerification::setMessage(const QString &message)
{
    if (m_message == message)
        return;
    m_message = message;
    Q_EMIT messageChanged();
}
