#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// One edit of a phone field under the phone entry rule: the national digits it leaves, the
// field's text for them and where the cursor goes (after the same digits as before).
class PhoneEdit
{
    Q_GADGET
    QML_VALUE_TYPE(phoneEdit)
    Q_PROPERTY(QString national MEMBER national)
    Q_PROPERTY(QString text MEMBER text)
    Q_PROPERTY(int cursor MEMBER cursor)

public:
    QString national;
    QString text;
    int cursor = 0;
};

// The phone entry rule of every phone field of the app: the "+7" a field shows is never read as a
// typed digit; a typed or pasted 7 or 8 in front of ten more digits is the country code or the
// trunk prefix; every other digit is national, ten at most. So a number typed key by key, pasted
// whole or pasted in parts gives the same national digits, and 812, 843 or 800 numbers type as
// they are. Only ASCII digits count: "½", "²" or other scripts' digits are dropped like letters.
// Reached from QML as the singleton `PhoneEntry`; the kit's PhoneFieldRule applies it to a field.
class PhoneEntry : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // How a field shows the national digits typed so far.
    enum Display {
        Masked,   // "+7 (912) 345-67-89", filled as far as the digits go; "+7 " for none
        Prefixed, // "+7 9123456789"
        National, // "912 345-67-89", beside a "+7" of the field's own
    };
    Q_ENUM(Display)

    static constexpr qsizetype nationalLength = 10;

    explicit PhoneEntry(QObject *parent = nullptr);

    // The field's text for `national` (at most ten digits).
    Q_INVOKABLE static QString text(const QString &national, PhoneEntry::Display display);
    // The rule applied to a field that showed `shown` (a text() of the same display) and now holds
    // `edited` after typing, a paste or a deletion, with the cursor at `cursor`.
    Q_INVOKABLE static PhoneEdit edit(const QString &shown, const QString &edited, int cursor, PhoneEntry::Display display);
};
