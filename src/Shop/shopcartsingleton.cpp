#include "shopcartsingleton.h"

void ShopCartSingleton::setInstance(TarvikShopCart *cart)
{
    s_instance = cart;
}

TarvikShopCart *ShopCartSingleton::create(QQmlEngine *, QJSEngine *engine)
{
    Q_ASSERT_X(s_instance, "ShopCart", "the cart must be set before QML uses it");
    Q_ASSERT(engine->thread() == s_instance->thread());
    // The cart belongs to main(); the engine must not delete it.
    QJSEngine::setObjectOwnership(s_instance, QJSEngine::CppOwnership);
    return s_instance;
}
