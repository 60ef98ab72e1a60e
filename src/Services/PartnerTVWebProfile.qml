import QtQml
import QtWebEngine
import Tarvik.Platform
import Tarvik.Web

// The web profile of the partner TV pages, made through partnertvwebprofile.js and shared by every
// partner page. A persistent one keeps cookies and storage across screens and launches until the
// session ends; when it ends, the profile empties itself and pages go on with one that keeps
// nothing on disk.
//   required persistent: on disk (true) or in memory only
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
