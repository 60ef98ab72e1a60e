#include "passwordrecoveryrules.h"

#include "asciidigits.h"
#include "russianphone.h"

PasswordRecoveryRules::PasswordRecoveryRules(QObject *parent)
    : QObject(parent)
{
}

// Only ASCII digits count, so that nothing else reaches the site's "bill" and "phone" parameters.
QString PasswordRecoveryRules::digits(const QString &text)
{
    return asciiDigits(text);
}

QString PasswordRecoveryRules::accountInput(const QString &text)
{
    return digits(text).left(accountLength);
}

QString PasswordRecoveryRules::phoneInput(const QString &text)
{
    return russianPhoneMask(text);
}

QString PasswordRecoveryRules::refusal(const QString &accountText, const QString &phoneText)
{
    return submission(accountText, phoneText).refusal;
}

PasswordRecoveryRules::Submission PasswordRecoveryRules::submission(const QString &accountText, const QString &phoneText)
{
    const QString accountDigits = digits(accountText);
    Submission result{.account = accountDigits.left(accountLength), .phone = digits(phoneText)};
    QString &phone = result.phone;
    if (phone.size() == 10 && phone.startsWith(QLatin1Char('9')))
        phone.prepend(QLatin1Char('7'));
    if (phone.size() == 11 && phone.startsWith(QLatin1Char('8')))
        phone[0] = QLatin1Char('7');

    if (result.account.isEmpty() || phone.isEmpty())
        result.refusal = QStringLiteral("Заполните оба поля");
    else if (accountDigits.size() > accountLength)
        result.refusal = QStringLiteral("Лицевой счёт должен содержать не более 7 цифр");
    else if (phone.size() != 11 || !phone.startsWith(QLatin1String("79")))
        result.refusal = QStringLiteral("Введите мобильный номер, начинающийся с +7 9");
    return result;
}
