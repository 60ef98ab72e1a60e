#include "tarvikaccountdata.h"

#include "boundedtext.h"
#include "jsonfields.h"

#include <QJsonArray>

#include <algorithm>

namespace
{
// The text fields in their declared order, shared by encoding and decoding.
template<typename Account, typename Visit>
void forEachText(Account &account, Visit visit)
{
    visit("accountNumber", account.accountNumber);
    visit("balance", account.balance);
    visit("daysToBlock", account.daysToBlock);
    visit("tariffName", account.tariffName);
    visit("tariffSpeed", account.tariffSpeed);
    visit("tariffPrice", account.tariffPrice);
    visit("bonusBalance", account.bonusBalance);
    visit("fullName", account.fullName);
    visit("address", account.address);
    visit("homePhone", account.homePhone);
    visit("mobilePhone", account.mobilePhone);
    visit("email", account.email);
    visit("additionalService", account.additionalService);
    visit("additionalServicePrice", account.additionalServicePrice);
    visit("monthlyCharges", account.monthlyCharges);
}

bool hasLetter(const QString &word)
{
    const QList<uint> points = word.toUcs4();
    return std::any_of(points.cbegin(), points.cend(), [](uint point) { return QChar::isLetter(char32_t(point)); });
}

// Ends of a patronymic, also as written in Latin letters: "-ович", "-евич" and "-ильич" end in
// "ич", "-инична" in "ична".
const QStringList patronymicEndings { QStringLiteral("ич"), QStringLiteral("овна"), QStringLiteral("евна"), QStringLiteral("ична"),
    QStringLiteral("ich"), QStringLiteral("ovna"), QStringLiteral("evna"), QStringLiteral("ichna") };
// A Turkic patronymic is the father's name with "оглы" (son) or "кызы" (daughter), apart or joined by a hyphen.
const QStringList turkicMarkers { QStringLiteral("оглы"), QStringLiteral("кызы") };
} // namespace

// The site gives the name in the Russian order, surname first ("Смирнова Анна Сергеевна"), though not
// always. Where a patronymic shows which word is the given name, that word is the one before it;
// anything else keeps the first word. The site's words may be parted by any white space (a
// no-break space, a tab), and a word without a letter (an emoji) is no part of the name.
QString TarvikAccountData::firstName() const
{
    // simplified() turns every run of white space into one space, without a regular expression
    // (whose engine costs the greeting half a megabyte).
    QStringList words = fullName.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    words.removeIf([](const QString &word) { return !hasLetter(word); });
    if (words.isEmpty())
        return QStringLiteral("Абонент");
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString word = words.at(i).toLower();
        const bool patronymic = std::any_of(patronymicEndings.cbegin(), patronymicEndings.cend(),
            [&](const QString &ending) { return word.size() >= ending.size() + 2 && word.endsWith(ending); });
        if (patronymic)
            return words.at(i - 1);
        for (const QString &marker : turkicMarkers) {
            if (word == marker && i >= 2)
                return words.at(i - 2);
            if (word.size() > marker.size() + 1 && word.endsWith(QLatin1Char('-') + marker))
                return words.at(i - 1);
        }
    }
    return words.first();
}

QString TarvikAccountData::balanceText(const QString &balance)
{
    if (balance == noValue)
        return balance;
    return QString(balance).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" ₽");
}

QJsonObject TarvikAccountData::toJson() const
{
    QJsonObject object;
    forEachText(*this, [&](const char *key, const QString &value) { object.insert(QLatin1String(key), value); });
    object.insert(QStringLiteral("televisionConnected"), televisionConnected);
    object.insert(QStringLiteral("hasPaymentHistory"), hasPaymentHistory);
    QJsonArray operations;
    for (const TarvikPaymentOperation &operation : paymentOperations)
        operations.append(operation.toJson());
    object.insert(QStringLiteral("paymentOperations"), operations);
    return object;
}

std::optional<TarvikAccountData> TarvikAccountData::fromJson(const QJsonObject &object)
{
    TarvikAccountData account;
    bool complete = true;
    // Cut as the site's texts are: a record written before the bound still shows.
    forEachText(account, [&](const char *key, QString &value) {
        complete = complete && JsonFields::read(object, key, value);
        value = BoundedText::cut(value);
    });
    complete = complete && JsonFields::read(object, "televisionConnected", account.televisionConnected)
        && JsonFields::read(object, "hasPaymentHistory", account.hasPaymentHistory);
    const QJsonValue operations = object.value(QStringLiteral("paymentOperations"));
    if (!complete || !operations.isArray())
        return std::nullopt;
    for (const QJsonValue &element : operations.toArray()) {
        if (!element.isObject())
            return std::nullopt;
        const auto operation = TarvikPaymentOperation::fromJson(element.toObject());
        if (!operation)
            return std::nullopt;
        account.paymentOperations.append(*operation);
    }
    return account;
}

QVariantList TarvikAccountData::paymentOperationList() const
{
    QVariantList list;
    list.reserve(paymentOperations.size());
    for (const TarvikPaymentOperation &operation : paymentOperations)
        list.append(QVariant::fromValue(operation));
    return list;
}
