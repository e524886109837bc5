.pragma library

// The equaliser's five gains joined smoothly on a log-frequency axis, for drawing: a monotone cubic
// through the band points (it never swings beyond two neighbouring gains, so it shows no peak that the
// bands do not have), flat beyond the outer bands. It is a picture of the settings, not a measurement
// of the card's filters.

var bandHertz = [60, 300, 1200, 3600, 12000]

function logHertz() {
    return bandHertz.map(function (hertz) { return Math.log(hertz) / Math.LN10 })
}

// Tangents of a monotone cubic through (xs, ys) (Fritsch and Carlson).
function tangents(xs, ys) {
    var n = xs.length
    var slopes = []
    for (var i = 0; i < n - 1; ++i)
        slopes.push((ys[i + 1] - ys[i]) / (xs[i + 1] - xs[i]))
    var m = [slopes[0]]
    for (i = 1; i < n - 1; ++i)
        m.push(slopes[i - 1] * slopes[i] <= 0 ? 0 : (slopes[i - 1] + slopes[i]) / 2)
    m.push(slopes[n - 2])
    for (i = 0; i < n - 1; ++i) {
        if (slopes[i] === 0) {
            m[i] = 0
            m[i + 1] = 0
            continue
        }
        var a = m[i] / slopes[i]
        var b = m[i + 1] / slopes[i]
        var s = a * a + b * b
        if (s > 9) {
            var t = 3 / Math.sqrt(s)
            m[i] = t * a * slopes[i]
            m[i + 1] = t * b * slopes[i]
        }
    }
    return m
}

// The gain in dB at log10(hertz) = x for the gains `decibels` of the five bands.
function gainAt(x, decibels) {
    var xs = logHertz()
    var n = xs.length
    if (x <= xs[0])
        return decibels[0]
    if (x >= xs[n - 1])
        return decibels[n - 1]
    var m = tangents(xs, decibels)
    var i = 0
    while (x > xs[i + 1])
        ++i
    var h = xs[i + 1] - xs[i]
    var t = (x - xs[i]) / h
    var t2 = t * t
    var t3 = t2 * t
    return (2 * t3 - 3 * t2 + 1) * decibels[i] + (t3 - 2 * t2 + t) * h * m[i]
           + (-2 * t3 + 3 * t2) * decibels[i + 1] + (t3 - t2) * h * m[i + 1]
}
