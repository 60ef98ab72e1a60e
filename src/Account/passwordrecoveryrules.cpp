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

QString PasswordRecoveryRules::refusal(const QString &accountText, const QString &phoneText)
{
    return submission(accountText, phoneText).refusal;
}

PasswordRecoveryRules::Submission PasswordRecoveryRules::submission(const QString &accountText, const QString &phoneText)
{
    const QString accountDigits = digits(accountText);
    const QString number = russianWrittenNumber(phoneText);
    Submission result{.account = accountDigits.left(accountLength), .phone = number.isEmpty() ? digits(phoneText) : number};

    if (result.account.isEmpty() || result.phone.isEmpty())
        result.refusal = QStringLiteral("Заполните оба поля");
    else if (accountDigits.size() > accountLength)
        result.refusal = QStringLiteral("Лицевой счёт должен содержать не более 7 цифр");
    else if (!isRussianMobile(result.phone))
        result.refusal = QStringLiteral("Введите мобильный номер, начинающийся с +7 9");
    return result;
}
