#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Settings fixed for one run: the personal-account site, an extra CA to trust, the host of the
// shop's photos, and the office map's tile server (with its attribution) and geocoder. The
// compiled-in defaults are overridden by TARVIK_BASE_URL / TARVIK_EXTRA_CA / TARVIK_SHOP_IMAGE_HOST /
// TARVIK_TILE_URL / TARVIK_TILE_ATTRIBUTION / TARVIK_GEOCODER_URL in the environment, and those by
// --base-url / --ca-file / --shop-image-host / --tile-url / --tile-attribution / --geocoder-url on
// the command line.
struct AppConfig {
    QUrl baseUrl;
    QString extraCaFile;
    // "host" or "host:port"; empty keeps the shop's compiled-in host.
    QString shopImageHost;
    // Holds "{z}", "{x}" and "{y}".
    QString tileUrlTemplate;
    QString tileAttribution;
    QUrl geocoderUrl;

    static QUrl compiledBaseUrl();
    // The personal-account host name, lower-cased (names stored items of the session).
    QString host() const;

    static AppConfig fromEnvironment();
    // Reads the environment, then the known options of `arguments`, leaving others alone.
    static AppConfig fromArguments(const QStringList &arguments);
};
