#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// One offer of the mobile service screen.
class MobileServicePackage
{
    Q_GADGET
    QML_VALUE_TYPE(mobileServicePackage)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString gigabytes MEMBER gigabytes)
    Q_PROPERTY(QString minutes MEMBER minutes)
    Q_PROPERTY(qint64 price MEMBER price)
    Q_PROPERTY(QColor accent MEMBER accent)

public:
    QString id;
    QString title;
    QString gigabytes;
    QString minutes;
    qint64 price = 0; // whole roubles a month
    QColor accent;

    // The four offers in grid order, made afresh for each screen.
    static QList<MobileServicePackage> table();

    friend bool operator==(const MobileServicePackage &, const MobileServicePackage &) = default;
};
