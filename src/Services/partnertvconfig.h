#pragma once

#include <QString>
#include <QUrl>

// Where the partner TV pages and pictures live: compiled-in hosts, each overridable at start by an
// environment variable of the same name (TARVIK_TV_CATALOG_HOST, ...). A host may carry a port.
struct PartnerTVConfig {
    // The sister brand's host that publishes the "24ТВ" catalog page.
    QString catalogHost;
    // The sister brand's personal-account host, whose TV page the catalog page links to.
    QString sisterAccountHost;
    // The sister brand's web domain, whose links the catalog page turns into ours.
    QString sisterDomain;
    // Our own web domain.
    QString productDomain;
    // Our logo as the partner pages show it.
    QUrl productLogoUrl;
    // The partner TV service's own pages (package pages, touch icon).
    QString partnerHost;
    // The partner TV service's image host (channel logos).
    QString imageHost;

    QUrl catalogPageUrl() const;
    // The package page: "/packets/1_" and the ASCII digits of `packageID`.
    QUrl packagePageUrl(const QString &packageID) const;
    QUrl touchIconUrl() const;

    static PartnerTVConfig compiled();
    static PartnerTVConfig fromEnvironment();
    // The configuration of this run: read from the environment on first use unless set before.
    static const PartnerTVConfig &current();
    static void setCurrent(const PartnerTVConfig &config);
};
