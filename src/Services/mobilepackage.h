#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// A mobile package that the tariff change order can add.
class MobilePackage
{
    Q_GADGET
    QML_VALUE_TYPE(mobilePackage)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString details MEMBER details)
    Q_PROPERTY(qint64 price MEMBER price)
    Q_PROPERTY(QString priceText READ priceText)

public:
    QString id;
    QString title;
    QString details;
    qint64 price = 0; // whole roubles a month

    // "250 ₽/мес.": plain digits, no grouping.
    QString priceText() const;

    // The four packages in display order; built once.
    static const QList<MobilePackage> &catalog();
    // The first package of the catalog with this id; none for any other id.
    static const MobilePackage *find(const QString &id);

    friend bool operator==(const MobilePackage &, const MobilePackage &) = default;
};
