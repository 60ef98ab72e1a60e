#include "mobileserviceorder.h"

#include "russianphone.h"

MobileServiceOrder::MobileServiceOrder(QObject *parent)
    : QObject(parent)
{
    connect(&m_pause, &ConfirmationPause::finished, this, &MobileServiceOrder::finishSubmission);
    connect(&m_pause, &ConfirmationPause::cancelled, this, &MobileServiceOrder::failSubmission);
    connect(this, &MobileServiceOrder::selectedPackageChanged, this, &MobileServiceOrder::confirmationMessageChanged);
    connect(this, &MobileServiceOrder::numberChanged, this, &MobileServiceOrder::confirmationMessageChanged);
}

QVariantList MobileServiceOrder::packageList() const
{
    QVariantList list;
    for (const MobileServicePackage &package : m_packages)
        list.append(QVariant::fromValue(package));
    return list;
}

void MobileServiceOrder::setSelectedPackageId(const QString &id)
{
    if (m_selectedPackageId == id)
        return;
    m_selectedPackageId = id;
    Q_EMIT selectedPackageChanged();
}

MobileServicePackage MobileServiceOrder::selectedPackage() const
{
    for (const MobileServicePackage &package : m_packages) {
        if (package.id == m_selectedPackageId)
            return package;
    }
    return m_packages.at(1);
}

void MobileServiceOrder::setTransferNumber(bool transfer)
{
    if (m_transferNumber == transfer)
        return;
    m_transferNumber = transfer;
    Q_EMIT numberChanged();
}

void MobileServiceOrder::setPhoneNumber(const QString &number)
{
    if (m_phoneNumber == number)
        return;
    m_phoneNumber = number;
    Q_EMIT numberChanged();
}

QString MobileServiceOrder::transferredNumber() const
{
    const QString number = russianWrittenNumber(m_phoneNumber);
    return number.isEmpty() ? QString() : QLatin1Char('+') + number;
}

bool MobileServiceOrder::numberInvalid() const
{
    return m_transferNumber && transferredNumber().isEmpty();
}

QString MobileServiceOrder::numberText() const
{
    return m_phoneNumber.isEmpty() ? QStringLiteral("+7") : QStringLiteral("+7 ") + m_phoneNumber;
}

QString MobileServiceOrder::confirmationMessage() const
{
    const QString title = selectedPackage().title;
    if (m_transferNumber) {
        return QStringLiteral("Подключаем пакет «") + title
            + QStringLiteral("». Перенос номера бесплатный — специалист свяжется с вами для подтверждения.");
    }
    return QStringLiteral("Подключаем пакет «") + title
        + QStringLiteral("» с новым номером Tarvik. Специалист скоро свяжется с вами.");
}

void MobileServiceOrder::setConfirmationPresented(bool presented)
{
    if (m_confirmationPresented == presented)
        return;
    m_confirmationPresented = presented;
    Q_EMIT confirmationPresentedChanged();
}

void MobileServiceOrder::submit()
{
    if (m_isSubmitting || numberInvalid())
        return;
    setSubmitting(true);
    const MobileServicePackage package = selectedPackage();
    m_lastRequest = {
        {QStringLiteral("Пакет"), package.title},
        {QStringLiteral("Интернет"), package.gigabytes},
        {QStringLiteral("Минуты"), package.minutes},
        {QStringLiteral("Стоимость"), QString::number(package.price) + QStringLiteral(" ₽/мес.")},
        {QStringLiteral("Перенос номера"), m_transferNumber ? QStringLiteral("Да") : QStringLiteral("Нет")},
    };
    if (m_transferNumber)
        m_lastRequest.append({QStringLiteral("Номер для переноса"), transferredNumber()});
    m_pause.start();
}

void MobileServiceOrder::cancel()
{
    m_pause.cancel();
}

void MobileServiceOrder::clearRequestError()
{
    if (!m_requestError)
        return;
    m_requestError.reset();
    Q_EMIT requestErrorChanged();
}

void MobileServiceOrder::setSubmitting(bool submitting)
{
    if (m_isSubmitting == submitting)
        return;
    m_isSubmitting = submitting;
    Q_EMIT isSubmittingChanged();
}

void MobileServiceOrder::finishSubmission()
{
    // The inputs stay, so the same order can be sent again.
    setConfirmationPresented(true);
    setSubmitting(false);
}

void MobileServiceOrder::failSubmission(const QString &description)
{
    m_requestError = description;
    Q_EMIT requestErrorChanged();
    setSubmitting(false);
}
