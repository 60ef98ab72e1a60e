.pragma library

// The profile of the partner TV pages, made with the first page and kept while the session lasts:
// two profiles over the same storage must not live at once. Made here rather than as a singleton
// so that the web engine loads with the first page, not with the module. A session that ends
// empties it (the profile itself listens); the next page gets a new one, which keeps nothing on
// disk when the persistent storage was in use this run.
var current = null
var madeAt = -1
// Profiles of ended sessions are kept, empty, so that none is destroyed under the engine.
var retired = []

function shared(url, webProfileData) {
    if (current !== null && madeAt === webProfileData.erasures)
        return current
    if (current !== null)
        retired.push(current)
    const persistent = webProfileData.openPersistent(webProfileData.partnerTVStorage)
    current = Qt.createComponent(url).createObject(null, { persistent: persistent })
    madeAt = webProfileData.erasures
    return current
}
