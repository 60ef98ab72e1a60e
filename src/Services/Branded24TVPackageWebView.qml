import QtQuick
import Tarvik.Services

// The partner's page of one package, re-branded; its connect controls call back.
//   required packageID: string; signal connect()
PartnerTVWebPage {
    required property string packageID

    signal connect()

    url: PartnerTVPages.packagePageUrl(packageID)
    script: PartnerTVPages.packageScript
    page: PartnerTVPageCoordinator.PackagePage
    onConnectRequested: connect()
}
