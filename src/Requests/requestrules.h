#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The rules and numbers of the service request forms, reached from QML as the singleton
// `RequestRules`.
class RequestRules : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    static constexpr int staticIpUnitPrice = 200;
    static constexpr int staticIpMaximum = 5;
    static constexpr int blockingFreeFromDays = 15;
    static constexpr int blockingShortPrice = 250;
    static constexpr int blockingMinimumDays = 2;

    explicit RequestRules(QObject *parent = nullptr);

    // "1 IP-адрес", "2 IP-адреса", "5 IP-адресов" for the quantity picker.
    Q_INVOKABLE static QString staticIpCountText(int quantity);
    // Rubles a month for `quantity` addresses.
    Q_INVOKABLE static int staticIpPrice(int quantity);

    // Whole days from `start` to `end` in local time (a day is a full calendar day: 23:00 to
    // 01:00 two days later is one), never fewer than two.
    Q_INVOKABLE static int blockingDays(const QDateTime &start, const QDateTime &end);
    Q_INVOKABLE static int blockingPrice(int days);
    Q_INVOKABLE static QString blockingConfirmation(int days);

    // Both forms: the trimmed texts are not empty and the phone holds "7" and ten digits; the
    // friend's e-mail (as typed) holds "@" and ".".
    Q_INVOKABLE static bool relocationValid(const QString &newAddress, const QString &phone);
    Q_INVOKABLE static bool referralValid(const QString &friendName, const QString &friendAddress,
                                          const QString &friendPhone, const QString &friendEmail);
};
