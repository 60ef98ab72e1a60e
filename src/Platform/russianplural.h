#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The Russian word form after a count: "1 товар", "2 товара", "5 товаров", "11 товаров",
// "21 товар". Reached from QML as the singleton `RussianPlural`; every count the app shows goes
// through it, given the three forms of its word (one, few, many).
class RussianPlural : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit RussianPlural(QObject *parent = nullptr);

    Q_INVOKABLE static QString word(qint64 number, const QString &one, const QString &few, const QString &many);
    // The number in plain digits, a space and the word: "5 IP-адресов".
    Q_INVOKABLE static QString count(qint64 number, const QString &one, const QString &few, const QString &many);
    // The same for a number that comes as text ("120" from the site): the text as it is, a space
    // and the word in the form of the number the text ends with; the many form when it ends in
    // no digit ("—", "140+").
    Q_INVOKABLE static QString countFromText(const QString &number, const QString &one, const QString &few,
                                             const QString &many);
};
