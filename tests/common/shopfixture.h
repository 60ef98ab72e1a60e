#pragma once

#include "clock.h"
#include "networkaccess.h"
#include "shopcartsingleton.h"
#include "shopimagessingleton.h"
#include "standinfixture.h"
#include "tarvikshopcart.h"
#include "tarvikshopimagecache.h"
#include "tarvikshopproduct.h"
#include "userdefaults.h"
#include "usernotificationcenter.h"

#include <QTemporaryDir>

// The shop wired as main() wires it: the catalog's photos on the stand-in's image host, the
// photo cache in a folder of its own, and the cart over a user-defaults file of its own; both
// handed to QML as ShopCart and ShopImages.
struct ShopFixture {
    std::unique_ptr<StandinSite> site;
    QTemporaryDir dir;
    std::unique_ptr<NetworkAccess> network;
    std::unique_ptr<TarvikShopImageCache> images;
    std::unique_ptr<UserDefaults> defaults;
    ManualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 5))};
    std::unique_ptr<UserNotificationCenter> notifications;
    std::unique_ptr<TarvikShopCart> cart;

    bool start()
    {
        site = startStandin();
        if (!site || !TarvikShopProduct::setImageHost(site->baseUrl().authority()))
            return false;
        network = std::make_unique<NetworkAccess>(site->caFile());
        images = std::make_unique<TarvikShopImageCache>(network.get(), dir.filePath(QStringLiteral("TarvikShopImages")));
        defaults = std::make_unique<UserDefaults>(dir.filePath(QStringLiteral("defaults.ini")));
        notifications = std::make_unique<UserNotificationCenter>(&clock, dir.filePath(QStringLiteral("notifications.json")));
        cart = std::make_unique<TarvikShopCart>(defaults.get(), notifications.get());
        ShopCartSingleton::setInstance(cart.get());
        ShopImagesSingleton::setInstance(images.get());
        return true;
    }

    const TarvikShopProduct &product(qint64 id) const
    {
        for (const TarvikShopProduct &product : TarvikShopProduct::catalog()) {
            if (product.id == id)
                return product;
        }
        return TarvikShopProduct::catalog().constFirst();
    }
};
