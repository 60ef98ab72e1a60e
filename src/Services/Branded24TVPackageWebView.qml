import QtQuick
import Tarvik.Services

// The partner's page of one package, re-branded; its connect controls call back. Its history can be
// walked with the edge swipes and Alt+Left / Alt+Right.
//   required packageID: string; signal connect()
PartnerTVWebPage {
    required property string packageID

    signal connect()

    backForwardGestures: true
    url: PartnerTVPages.packagePageUrl(packageID)
    script: PartnerTVPages.packageScript
    page: PartnerTVPageCoordinator.PackagePage
    onConnectRequested: connect()
}
