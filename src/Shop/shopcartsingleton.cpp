#include "shopcartsingleton.h"

#include "qmlsingleton.h"

void ShopCartSingleton::setInstance(TarvikShopCart *cart)
{
    s_instance = cart;
}

TarvikShopCart *ShopCartSingleton::create(QQmlEngine *, QJSEngine *engine)
{
    Q_UNUSED(engine);
    return provideQmlSingleton(s_instance, "ShopCart");
}
