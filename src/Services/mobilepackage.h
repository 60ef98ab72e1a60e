#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// One of the mobile packages: the offers of the mobile service screen, and what the tariff
// change order can add.
class MobilePackage
{
    Q_GADGET
    QML_VALUE_TYPE(mobilePackage)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString gigabytes MEMBER gigabytes)
    Q_PROPERTY(QString minutes MEMBER minutes)
    // The line under the title in the tariff order's package sheet.
    Q_PROPERTY(QString details MEMBER details)
    Q_PROPERTY(qint64 price MEMBER price)
    Q_PROPERTY(QString priceText READ priceText)
    // The colour of its card on the mobile service screen.
    Q_PROPERTY(QColor accent MEMBER accent)

public:
    QString id;
    QString title;
    QString gigabytes;
    QString minutes;
    QString details;
    qint64 price = 0; // whole rubles a month
    QColor accent;

    // "250 ₽/мес.": plain digits, no grouping.
    QString priceText() const;

    // The four packages in display order; built once.
    static const QList<MobilePackage> &catalog();
    // The same, as a list for QML.
    static QVariantList catalogList();
    // The first package of the catalog with this id; none for any other id.
    static const MobilePackage *find(const QString &id);

    friend bool operator==(const MobilePackage &, const MobilePackage &) = default;
};
