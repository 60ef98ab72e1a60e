#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// A partner TV ("24ТВ") package as shown: the account's own packages and the catalogs.
class TVPackage
{
    Q_GADGET
    QML_VALUE_TYPE(tvPackage)
    Q_PROPERTY(QString id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString description MEMBER description)
    Q_PROPERTY(QString channelCount MEMBER channelCount)
    Q_PROPERTY(QString price MEMBER price)
    Q_PROPERTY(QColor color MEMBER color)
    Q_PROPERTY(qint64 monthlyPrice READ monthlyPrice)

public:
    QString id;
    QString title;
    QString description;
    QString channelCount;
    QString price;
    QColor color;

    // Whole rubles: the numeric characters of `price` read as one integer ("1 800 ₽/мес." is 1800);
    // 0 when there are none or they do not read as an integer.
    qint64 monthlyPrice() const;

    friend bool operator==(const TVPackage &, const TVPackage &) = default;
};
