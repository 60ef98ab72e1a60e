import QtQml
import QtWebEngine
import Tarvik.Platform
import Tarvik.Web

// The web profile of the partner TV pages, made through partnertvwebprofile.js and shared by every
// partner page. Persistent: its cookies and storage survive screens and launches, until the session
// ends; then it empties itself, and pages go on with a profile that keeps nothing on disk.
//   required persistent: bool
WebEngineProfile {
    id: profile

    required property bool persistent

    storageName: persistent ? WebProfileData.partnerTVStorage : ""
    offTheRecord: !persistent
    persistentCookiesPolicy: persistent ? WebEngineProfile.AllowPersistentCookies : WebEngineProfile.NoPersistentCookies
    httpCacheType: persistent ? WebEngineProfile.DiskHttpCache : WebEngineProfile.MemoryHttpCache

    readonly property Connections eraser: Connections {
        target: WebProfileData
        function onEraseRequested() {
            WebProfiles.empty(profile)
        }
    }
}
