#include "shopimagessingleton.h"

#include "qmlsingleton.h"

void ShopImagesSingleton::setInstance(TarvikShopImageCache *cache)
{
    s_instance.set(cache);
}

void ShopImagesSingleton::setFactory(std::function<TarvikShopImageCache *()> make)
{
    s_instance.setFactory(std::move(make));
}

TarvikShopImageCache *ShopImagesSingleton::create(QQmlEngine *, QJSEngine *engine)
{
    Q_UNUSED(engine);
    return provideQmlSingleton(s_instance.get(), "ShopImages");
}
