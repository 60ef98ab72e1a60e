#include "mobileserviceorder.h"

#include "phoneentry.h"
#include "russianphone.h"

MobileServiceOrder::MobileServiceOrder(QObject *parent)
    : QObject(parent)
{
    connect(this, &MobileServiceOrder::selectedPackageChanged, this, &MobileServiceOrder::confirmationMessageChanged);
    connect(this, &MobileServiceOrder::numberChanged, this, &MobileServiceOrder::confirmationMessageChanged);
}

void MobileServiceOrder::setSelectedPackageId(const QString &id)
{
    if (m_selectedPackageId == id)
        return;
    m_selectedPackageId = id;
    Q_EMIT selectedPackageChanged();
}

MobilePackage MobileServiceOrder::selectedPackage() const
{
    const MobilePackage *chosen = MobilePackage::find(m_selectedPackageId);
    return chosen ? *chosen : MobilePackage::catalog().at(1);
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
    // The "+7" stands beside the field: a "+7" typed into it is the country code, never shown
    // twice in the summary.
    const QString text = PhoneEntry::edit(m_phoneNumber, number, int(number.size()), PhoneEntry::National).text;
    if (m_phoneNumber == text)
        return;
    m_phoneNumber = text;
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

void MobileServiceOrder::submit()
{
    if (numberInvalid())
        return;
    const MobilePackage package = selectedPackage();
    ConfirmationSend::Summary request{
        {QStringLiteral("Пакет"), package.title},
        {QStringLiteral("Интернет"), package.gigabytes},
        {QStringLiteral("Минуты"), package.minutes},
        {QStringLiteral("Стоимость"), QString::number(package.price) + QStringLiteral(" ₽/мес.")},
        {QStringLiteral("Перенос номера"), m_transferNumber ? QStringLiteral("Да") : QStringLiteral("Нет")},
    };
    if (m_transferNumber)
        request.append({QStringLiteral("Номер для переноса"), transferredNumber()});
    m_request.send(request);
}
