#pragma once

#include "tarvikshopreview.h"
#include "tarvikshopspecification.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>

// A device the shop sells, as shown on its card and page.
class TarvikShopProduct
{
    Q_GADGET
    QML_VALUE_TYPE(shopProduct)
    Q_PROPERTY(qint64 id MEMBER id CONSTANT)
    Q_PROPERTY(QString name MEMBER name CONSTANT)
    Q_PROPERTY(QString description MEMBER description CONSTANT)
    Q_PROPERTY(QString price MEMBER price CONSTANT)
    Q_PROPERTY(QStringList imageURLs MEMBER imageURLs CONSTANT)
    Q_PROPERTY(QVariantList specifications READ specificationList CONSTANT)
    Q_PROPERTY(QVariantList reviews READ reviewList CONSTANT)

public:
    qint64 id = 0;
    QString name;
    QString description;
    // Display price: digits grouped by a plain space, then " ₽" ("4 500 ₽").
    QString price;
    // Absolute addresses of the photos in display order; the first is the card picture.
    QStringList imageURLs;
    QList<TarvikShopSpecification> specifications;
    QList<TarvikShopReview> reviews;

    // The four products the shop sells, in display order; built once.
    static const QList<TarvikShopProduct> &catalog();
    // Host (and port, if any) of the photo addresses: the build's setting unless replaced at start.
    static QString imageHost();
    // Replaces the photo host; only before the catalog is first built (false afterwards).
    static bool setImageHost(const QString &host);

    QJsonObject toJson() const;
    static std::optional<TarvikShopProduct> fromJson(const QJsonValue &json);

    friend bool operator==(const TarvikShopProduct &, const TarvikShopProduct &) = default;

private:
    QVariantList specificationList() const;
    QVariantList reviewList() const;
};

size_t qHash(const TarvikShopProduct &product, size_t seed = 0);
