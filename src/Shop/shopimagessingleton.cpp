#include "shopimagessingleton.h"

#include "qmlsingleton.h"

void ShopImagesSingleton::setInstance(TarvikShopImageCache *cache)
{
    s_instance = cache;
}

TarvikShopImageCache *ShopImagesSingleton::create(QQmlEngine *, QJSEngine *engine)
{
    Q_UNUSED(engine);
    return provideQmlSingleton(s_instance, "ShopImages");
}
