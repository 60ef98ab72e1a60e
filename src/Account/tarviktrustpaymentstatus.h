#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// Whether the trust payment can be turned on, and what to tell the subscriber about it.
class TarvikTrustPaymentStatus
{
    Q_GADGET
    QML_VALUE_TYPE(trustPaymentStatus)
    Q_PROPERTY(bool isAvailable MEMBER isAvailable)
    Q_PROPERTY(QString message MEMBER message)

public:
    bool isAvailable = false;
    QString message;
};
