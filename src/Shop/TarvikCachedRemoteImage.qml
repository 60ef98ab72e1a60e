import QtQuick
import Tarvik.Design
import Tarvik.Shop

// One product photo through the shop's disk cache: the photo scaled to fit, the "shippingbox.fill"
// placeholder once it has failed (or without an address), else a spinner. The caller sizes it.
//   url: the photo's address text ("" for none); spinner: false shows the placeholder while loading
//   placeholderSize (38); readonly status: CachedImageItem.Loading / Shown / Failed
Item {
    id: view

    property string url
    property bool spinner: true
    property real placeholderSize: 38
    readonly property int status: photo.status

    CachedImageItem {
        id: photo
        anchors.fill: parent
        cache: ShopImages
        url: view.url
    }

    SymbolImage {
        anchors.centerIn: parent
        visible: photo.status === CachedImageItem.Failed || (photo.status === CachedImageItem.Loading && !view.spinner)
        name: "shippingbox.fill"
        size: view.placeholderSize
        color: Theme.tarPink
        Accessible.ignored: true
    }

    ActivityIndicator {
        anchors.centerIn: parent
        visible: photo.status === CachedImageItem.Loading && view.spinner
        color: Theme.tarPink
    }
}
