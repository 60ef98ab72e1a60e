#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// What the profile screen shows from the account's display texts (where "—" stands for no value).
// Reached from QML as the singleton `ProfileTexts`.
class ProfileTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit ProfileTexts(QObject *parent = nullptr);

    // The header's line under the name: the mobile number, else the home number (each trimmed,
    // skipped when empty or "—"), else the full name as stored.
    Q_INVOKABLE static QString heroTitle(const QString &mobilePhone, const QString &homePhone, const QString &fullName);
    // The phone row: the mobile number unless it is exactly "—", then the home number.
    Q_INVOKABLE static QString phoneRowValue(const QString &mobilePhone, const QString &homePhone);
    // The first character of the first name, upper-cased.
    Q_INVOKABLE static QString avatarLetter(const QString &firstName);
};
