.pragma library

// The sheets open at this moment, lowest first; a sheet's place here sets how far down it sits,
// so that a stacked sheet leaves the top of the one beneath in sight.
var openSheets = []

function place(sheet) {
    if (openSheets.indexOf(sheet) < 0)
        openSheets.push(sheet)
    return openSheets.indexOf(sheet)
}

function remove(sheet) {
    const index = openSheets.indexOf(sheet)
    if (index >= 0)
        openSheets.splice(index, 1)
}
