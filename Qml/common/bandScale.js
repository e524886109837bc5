.pragma library

// Where a band value sits on the page's ruler. The ruler beside each slider spans the knob's travel:
// its top mark "10dB" faces value 43, its middle mark "0" the middle of the travel and its bottom mark
// "-10dB" value 0. The values lie evenly along it, so one step is 20/43 dB (about 0.47 dB) and the
// middle, 21.5, falls between two steps: no value reads exactly 0 dB.
var topValue = 43
var topDecibels = 10

function decibels(value) {
    return (value - topValue / 2) * 2 * topDecibels / topValue
}

// "+2.6", "-10.0": one decimal, always signed.
function decibelText(value) {
    var db = decibels(value)
    return (db >= 0 ? "+" : "-") + Math.abs(db).toFixed(1)
}

// A caption such as "1.2KHz" as it is spoken: "1.2 kHz".
function spokenBand(caption) {
    return caption.replace(/KHz$/, " kHz").replace(/([0-9])Hz$/, "$1 Hz")
}
