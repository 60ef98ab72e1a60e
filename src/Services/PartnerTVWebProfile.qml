import QtWebEngine

// The persistent web profile of the partner TV pages: their cookies and storage survive screens
// and launches. Made once per run through partnertvwebprofile.js and shared by every partner page.
WebEngineProfile {
    storageName: "TarvikPartnerTV"
    offTheRecord: false
    persistentCookiesPolicy: WebEngineProfile.AllowPersistentCookies
    httpCacheType: WebEngineProfile.DiskHttpCache
}
