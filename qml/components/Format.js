.pragma library

// Presentation of sizes and dates in the lists.
function size(bytes) {
    if (bytes < 0)
        return ""
    var units = [qsTr("B"), qsTr("KB"), qsTr("MB"), qsTr("GB")]
    var value = bytes
    var unit = 0
    while (value >= 1024 && unit < units.length - 1) {
        value /= 1024
        ++unit
    }
    return (unit === 0 ? value : value.toFixed(1)) + " " + units[unit]
}

function date(timestamp) {
    if (!timestamp || isNaN(timestamp.getTime()))
        return ""
    return Qt.formatDateTime(timestamp, "dd.MM.yyyy hh:mm")
}

function escapeHtml(text) {
    return text.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;")
}

// The name with every match of the searched text in bold; the pattern is
// built from the controller's escaped text.
function highlight(name, escapedQuery) {
    if (escapedQuery === "")
        return escapeHtml(name)
    var pattern = new RegExp(escapedQuery, "gi")
    var result = ""
    var last = 0
    var match
    while ((match = pattern.exec(name)) !== null) {
        if (match[0].length === 0)
            break
        result += escapeHtml(name.substring(last, match.index)) + "<b>" + escapeHtml(match[0]) + "</b>"
        last = match.index + match[0].length
    }
    return result + escapeHtml(name.substring(last))
}
