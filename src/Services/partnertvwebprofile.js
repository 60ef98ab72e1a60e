.pragma library

// The one profile of the partner TV pages, made with the first page and kept for the run: two
// profiles over the same storage must not live at once. Made here rather than as a singleton so
// that the web engine loads with the first page, not with the module.
var profile = null

function shared(url) {
    if (profile === null)
        profile = Qt.createComponent(url).createObject(null)
    return profile
}
