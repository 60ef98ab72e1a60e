#pragma once

#include "tarvikshopcart.h"

#include <QQmlEngine>

// Hands QML the app's one cart as the singleton ShopCart; main() (or a test) sets it before QML loads.
struct ShopCartSingleton {
    Q_GADGET
    QML_FOREIGN(TarvikShopCart)
    QML_NAMED_ELEMENT(ShopCart)
    QML_SINGLETON

public:
    static void setInstance(TarvikShopCart *cart);
    static TarvikShopCart *create(QQmlEngine *, QJSEngine *engine);

private:
    static inline TarvikShopCart *s_instance = nullptr;
};
