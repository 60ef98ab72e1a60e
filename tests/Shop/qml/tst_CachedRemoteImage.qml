import QtQuick
import QtTest
import Tarvik.Shop
import TarvikTest

// The photo view: the photo from the cache without asking the host, large WebP and progressive
// photos, the placeholder for a host that does not answer, for no address and for a photo that
// does not decode, and the spinner while loading.
Item {
    id: root
    width: 393
    height: 852

    Component {
        id: imageComponent
        TarvikCachedRemoteImage { width: 120; height: 120 }
    }

    TestCase {
        name: "CachedRemoteImage"
        when: windowShown

        function test_cachedPhotoShowsWithoutAsking() {
            verify(ShopTest.preload(ShopTest.photo(3)))
            const requests = ShopTest.photoRequests()
            const image = createTemporaryObject(imageComponent, root, { url: ShopTest.photo(3) })
            tryCompare(image, "status", CachedImageItem.Shown, 10000)
            compare(ShopTest.photoRequests(), requests)
        }

        function test_placeholder_data() {
            return [
                { tag: "host offline", url: ShopTest.unreachablePhoto() },
                { tag: "no address", url: "" },
            ]
        }

        function test_placeholder(data) {
            const image = createTemporaryObject(imageComponent, root, { url: data.url })
            tryCompare(image, "status", CachedImageItem.Failed, 10000)
            const placeholder = image.children[1]
            verify(placeholder.visible)
            compare(placeholder.name, "shippingbox.fill")
            verify(!image.children[2].visible)
        }

        // A photo whose header passes but whose pixels do not decode fails as a broken one does,
        // and its file goes, so that the next view downloads it again.
        function test_photoThatDoesNotDecode() {
            const url = ShopTest.undecodablePhoto()
            const image = createTemporaryObject(imageComponent, root, { url: url })
            tryCompare(image, "status", CachedImageItem.Failed, 10000)
            verify(image.children[1].visible)
            verify(!ShopTest.cached(url))
        }

        // Photos larger than the screen in the formats whose decode holds the whole picture.
        function test_largePhotoShows_data() {
            return [
                { tag: "WebP", format: "webp", progressive: false },
                { tag: "progressive JPEG", format: "jpeg", progressive: true },
            ]
        }

        function test_largePhotoShows(data) {
            const url = ShopTest.largePhoto(data.format, data.progressive)
            const image = createTemporaryObject(imageComponent, root, { url: url })
            tryCompare(image, "status", CachedImageItem.Shown, 10000)
            verify(!image.children[1].visible)
            verify(ShopTest.cached(url))
        }

        function test_spinnerWhileLoading() {
            const image = createTemporaryObject(imageComponent, root, { url: ShopTest.photo(4) + "?fresh" })
            compare(image.status, CachedImageItem.Loading)
            verify(image.children[2].visible)
            tryCompare(image, "status", CachedImageItem.Shown, 10000)
            verify(!image.children[2].visible)
        }
    }
}
