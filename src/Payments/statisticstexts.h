#pragma once

#include "rubledecimal.h"
#include "tarvikpaymentoperation.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

// The figures of the statistics screen, made from the account's display texts: the expense of
// the chosen period and the exact total of the top-ups. Stateless; reached from QML as the
// singleton `StatisticsTexts`.
class StatisticsTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // The periods of the screen's picker, in segment order.
    enum Period {
        Month,
        Quarter,
        Year,
    };
    Q_ENUM(Period)

    using QObject::QObject;

    // "Месяц", "3 месяца", "Год": the segments' and the header label's texts.
    Q_INVOKABLE static QString periodTitle(StatisticsTexts::Period period);
    Q_INVOKABLE static QStringList periodTitles();
    // "Данные из " and the personal-account host.
    Q_INVOKABLE static QString sourceLine();

    // The monthly charges for a month, "—" for the longer periods.
    Q_INVOKABLE static QString expenseValue(StatisticsTexts::Period period, const QString &monthlyCharges);
    // The sum of every positive operation's amount, formatted; "—" when none gives a number.
    Q_INVOKABLE static QString topUpValue(const QVariantList &operations);
    static QString topUpValue(const QList<TarvikPaymentOperation> &operations);

    // The amount in a money text such as "1 500,50 ₽" or "+200 руб."; no value without a number.
    static std::optional<RubleDecimal> numericRubles(const QString &text);
    // Russian grouping and decimal comma, at most two fraction digits (half to even), then " ₽".
    static QString formattedRubles(RubleDecimal amount);
};
