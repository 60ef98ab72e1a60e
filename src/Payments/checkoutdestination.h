#pragma once

#include <QObject>
#include <QUrl>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One presentation of the checkout sheet: a fresh identity for every checkout created, so the
// same address opens a new sheet each time. Default-constructed, it presents nothing.
class CheckoutDestination
{
    Q_GADGET
    QML_VALUE_TYPE(checkoutDestination)
    Q_PROPERTY(QUuid id MEMBER id)
    Q_PROPERTY(QUrl url MEMBER url)
    Q_PROPERTY(bool isNull READ isNull)

public:
    QUuid id;
    QUrl url;

    static CheckoutDestination make(const QUrl &url);
    bool isNull() const { return id.isNull(); }

    friend bool operator==(const CheckoutDestination &, const CheckoutDestination &) = default;
};
