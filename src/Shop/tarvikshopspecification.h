#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

// One specification line of a product: what is measured and its value.
class TarvikShopSpecification
{
    Q_GADGET
    QML_VALUE_TYPE(shopSpecification)
    Q_PROPERTY(QString title MEMBER title CONSTANT)
    Q_PROPERTY(QString value MEMBER value CONSTANT)

public:
    QString title;
    QString value;

    QJsonObject toJson() const;
    static std::optional<TarvikShopSpecification> fromJson(const QJsonValue &json);

    friend bool operator==(const TarvikShopSpecification &, const TarvikShopSpecification &) = default;
};

size_t qHash(const TarvikShopSpecification &specification, size_t seed = 0);
