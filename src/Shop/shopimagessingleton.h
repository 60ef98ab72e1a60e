#pragma once

#include "qmlsingleton.h"
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
    // Or how to make it when a photo is first asked for.
    static void setFactory(std::function<TarvikShopImageCache *()> make);
    static TarvikShopImageCache *create(QQmlEngine *, QJSEngine *engine);

private:
    static inline MadeOnFirstUse<TarvikShopImageCache> s_instance;
};
