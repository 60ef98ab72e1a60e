#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

// A customer review of a product; `id` is unique within one product only.
class TarvikShopReview
{
    Q_GADGET
    QML_VALUE_TYPE(shopReview)
    Q_PROPERTY(qint64 id MEMBER id CONSTANT)
    Q_PROPERTY(QString author MEMBER author CONSTANT)
    Q_PROPERTY(qint64 rating MEMBER rating CONSTANT)
    Q_PROPERTY(QString text MEMBER text CONSTANT)

public:
    qint64 id = 0;
    QString author;
    qint64 rating = 0;
    QString text;

    QJsonObject toJson() const;
    static std::optional<TarvikShopReview> fromJson(const QJsonValue &json);

    friend bool operator==(const TarvikShopReview &, const TarvikShopReview &) = default;
};

size_t qHash(const TarvikShopReview &review, size_t seed = 0);
