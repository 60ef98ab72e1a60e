pragma Singleton

import QtWebEngine

// The one persistent web profile of the partner TV pages: the catalog page and the package pages
// share its cookies and storage, and keep them between screens and launches.
WebEngineProfile {
    storageName: "TarvikPartnerTV"
    offTheRecord: false
    persistentCookiesPolicy: WebEngineProfile.AllowPersistentCookies
    httpCacheType: WebEngineProfile.DiskHttpCache
}
