#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The Russian phone entry of the request forms: the stored value is always "+7 " followed by up
// to ten digits. Only ASCII 0-9 count as digits; a pasted "½" or other scripts' digits are
// dropped like letters. Reached from QML as the singleton `PhoneEntry`:
//   PhoneEntry.normalized(edited, stored) -> the value to store after an edit of `stored`
//   PhoneEntry.digits(value)      -> the digits the validity rule tests ("+7 900…" -> "7900…")
//   PhoneEntry.isValid(value)     -> exactly 11 digits starting with "7"
class PhoneEntry : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    static constexpr auto prefix = "+7 ";

    explicit PhoneEntry(QObject *parent = nullptr);

    // What was typed is what follows the "+7 " the field shows: a leading 7 or 8 of it is the
    // country or trunk code, unless the stored number already began with that digit (an edit
    // further along, or a deletion). So "8 (999) 123-45-67" typed key by key stores what pasting
    // it does, "+7 9991234567".
    Q_INVOKABLE static QString normalized(const QString &edited, const QString &stored = QLatin1String(prefix));
    Q_INVOKABLE static QString digits(const QString &value);
    Q_INVOKABLE static bool isValid(const QString &value);
};
