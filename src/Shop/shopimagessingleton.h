#pragma once

#include "tarvikshopimagecache.h"

#include <QQmlEngine>

// Hands QML the app's photo cache as the singleton ShopImages; main() (or a test) sets it before QML loads.
struct ShopImagesSingleton {
    Q_GADGET
    QML_FOREIGN(TarvikShopImageCache)
    QML_NAMED_ELEMENT(ShopImages)
    QML_SINGLETON

public:
    static void setInstance(TarvikShopImageCache *cache);
    static TarvikShopImageCache *create(QQmlEngine *, QJSEngine *engine);

private:
    static inline TarvikShopImageCache *s_instance = nullptr;
};
