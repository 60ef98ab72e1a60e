#include "tarvikshopreview.h"

#include "jsonfields.h"

#include <QHashFunctions>

QJsonObject TarvikShopReview::toJson() const
{
    return {
        {QStringLiteral("id"), id},
        {QStringLiteral("author"), author},
        {QStringLiteral("rating"), rating},
        {QStringLiteral("text"), text},
    };
}

std::optional<TarvikShopReview> TarvikShopReview::fromJson(const QJsonValue &json)
{
    using JsonFields::read;
    const QJsonObject object = json.toObject();
    TarvikShopReview review;
    if (!json.isObject() || !read(object, "id", review.id) || !read(object, "author", review.author) || !read(object, "rating", review.rating)
        || !read(object, "text", review.text))
        return std::nullopt;
    return review;
}

size_t qHash(const TarvikShopReview &review, size_t seed)
{
    return qHashMulti(seed, review.id, review.author, review.rating, review.text);
}
