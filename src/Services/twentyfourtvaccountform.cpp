#include "twentyfourtvaccountform.h"

#include "phoneentry.h"
#include "russianphone.h"
#include "tarvikaccountstore.h"

#include <QCoroTask>

const QString TwentyFourTVAccountForm::invalidNumberText = QStringLiteral("Введите российский мобильный номер");
const QString TwentyFourTVAccountForm::fallbackErrorText = QStringLiteral("Не удалось создать аккаунт 24ТВ");

TwentyFourTVAccountForm::TwentyFourTVAccountForm(QObject *parent)
    : QObject(parent)
{ }

QString TwentyFourTVAccountForm::mobileDigits(const QString &text)
{
    const QString number = russianFieldNumber(text);
    return isRussianMobile(number) ? number : QString();
}

void TwentyFourTVAccountForm::setAccountStore(TarvikAccountStoreQml *store)
{
    if (m_accountStore == store)
        return;
    m_accountStore = store;
    Q_EMIT accountStoreChanged();
}

void TwentyFourTVAccountForm::setHaptics(Haptics *haptics)
{
    if (m_haptics == haptics)
        return;
    m_haptics = haptics;
    Q_EMIT hapticsChanged();
}

void TwentyFourTVAccountForm::setPhoneNumber(const QString &text)
{
    if (text == m_phoneNumber)
        return;
    setError({});
    // Announced even when the rule gives the stored text back, so that a field showing the
    // unformatted text takes the masked one.
    m_phoneNumber = PhoneEntry::edit(m_phoneNumber, text, int(text.size()), PhoneEntry::Masked).text;
    Q_EMIT phoneNumberChanged();
}

void TwentyFourTVAccountForm::setSuccessMessage(const QString &message)
{
    if (m_successMessage == message)
        return;
    m_successMessage = message;
    Q_EMIT successMessageChanged();
}

void TwentyFourTVAccountForm::createAccount()
{
    if (m_isLoading)
        return;
    const QString digits = mobileDigits(m_phoneNumber);
    if (digits.isEmpty()) {
        setError(invalidNumberText);
        play(Haptics::NotificationError);
        return;
    }
    if (!m_accountStore || !m_accountStore->store()) {
        setError(fallbackErrorText);
        play(Haptics::NotificationError);
        return;
    }
    // A new try starts clean: a failed one's text would otherwise stay under the next one's success.
    setError({});
    setLoading(true);
    // The request runs on when the sheet goes away; only a living form hears of its result.
    QCoro::connect(m_accountStore->store()->create24TVAccount(digits), this, [this](const Result<QString> &result) {
        if (result) {
            setSuccessMessage(*result);
            play(Haptics::NotificationSuccess);
        } else {
            const QString description = result.error().description();
            setError(description.isEmpty() ? fallbackErrorText : description);
            play(Haptics::NotificationError);
        }
        setLoading(false);
    });
}

void TwentyFourTVAccountForm::setLoading(bool loading)
{
    if (m_isLoading == loading)
        return;
    m_isLoading = loading;
    Q_EMIT isLoadingChanged();
}

void TwentyFourTVAccountForm::setError(const QString &error)
{
    if (m_error == error)
        return;
    m_error = error;
    Q_EMIT errorChanged();
}

void TwentyFourTVAccountForm::play(int kind)
{
    if (m_haptics)
        m_haptics->play(Haptics::Kind(kind));
}
