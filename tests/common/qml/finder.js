.pragma library

// Finds an object by objectName, or an item that satisfies `accepts`, under `object`: through
// items' children and resources, and into the content of the sheets they hold.
function find(object, accepts) {
    if (!object)
        return null
    const test = typeof accepts === "string" ? (candidate => candidate.objectName === accepts) : accepts
    if (test(object))
        return object
    const kids = []
    if (object.data !== undefined) {
        for (let i = 0; i < object.data.length; ++i)
            kids.push(object.data[i])
    }
    // A Sheet holds its content in `item`, outside the presenter's items.
    if (object.presented !== undefined && object.sourceComponent !== undefined && object.item)
        kids.push(object.item)
    for (const kid of kids) {
        const found = find(kid, test)
        if (found)
            return found
    }
    return null
}

// A button (or bar button) with this text that is on screen.
function button(object, text) {
    return find(object, candidate => candidate.text === text && candidate.clicked !== undefined && candidate.visible)
}

// Saves what the window shows under `item` as screenshots/<name>.png in the folder the test runs in.
function shoot(testCase, item, name, standin) {
    testCase.grabImage(item).save(standin.screenshotPath(name))
}
