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

// The step nearest to a gain in dB, within 0..43; a gain halfway between two steps goes up.
function valueOf(db) {
    return Math.max(0, Math.min(topValue, Math.floor(db * topValue / (2 * topDecibels) + topValue / 2 + 0.5)))
}

// A typed gain ("+3.5", "-2,1 dB", "4"), or NaN for text that is not one.
function parseDecibels(text) {
    var number = text.trim().replace(/\s*db$/i, "").replace(",", ".")
    return /^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)$/.test(number) ? Number(number) : NaN
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
