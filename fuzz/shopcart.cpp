#include "fuzzing.h"
#include "tarvikshopcartitem.h"
#include "tarvikshopproduct.h"

#include <QJsonDocument>

// The shop's cart as read back from the settings file, and a product record on its own.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    if (const auto items = TarvikShopCartItem::listFromJson(input)) {
        const auto again = TarvikShopCartItem::listFromJson(TarvikShopCartItem::listToJson(*items));
        FUZZ_ASSERT(again && *again == *items);
    }
    const QJsonDocument document = QJsonDocument::fromJson(input);
    if (const auto product = TarvikShopProduct::fromJson(document.object())) {
        const auto again = TarvikShopProduct::fromJson(product->toJson());
        FUZZ_ASSERT(again && *again == *product);
    }
    return 0;
}
