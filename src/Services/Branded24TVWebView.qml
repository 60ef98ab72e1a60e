import QtQuick
import Tarvik.Services

// The sister brand's "24ТВ" catalog page, re-branded; its sign-in links and package cards call back.
//   signals: createAccount(), selectPackage(title)
PartnerTVWebPage {
    signal createAccount()
    signal selectPackage(string title)

    url: PartnerTVPages.catalogPageUrl
    script: PartnerTVPages.catalogScript
    page: PartnerTVPageCoordinator.CatalogPage
    onCreateAccountRequested: createAccount()
    onPackageSelected: title => selectPackage(title)
}
