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
    explicit PhoneEntry(QObject *parent = nullptr);

    // See russianPhoneEntry().
    Q_INVOKABLE static QString normalized(const QString &edited, const QString &stored = QStringLiteral("+7 "));
    Q_INVOKABLE static QString digits(const QString &value);
    Q_INVOKABLE static bool isValid(const QString &value);
};
