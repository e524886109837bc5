import QtQuick 2.9
import LumenQuick 1.0
import "../common/bandScale.js" as BandScale
import "../common/responseCurve.js" as Curve

// The five bands' gains joined smoothly, drawn behind the sliders on a log-frequency axis. Its height
// matches the sliders' knob travel, so a band's point sits level with its knob; across, 60 Hz and
// 12 kHz sit under the outer knobs and the bands between at their own frequencies.
Canvas {
    id: curve

    // The five slider values 0..43.
    property var values: [0, 0, 0, 0, 0]
    // Where the outer knobs' centres and the knobs' travel lie, as fractions of the canvas.
    property real firstBand: 42 / 358
    property real lastBand: 338 / 358
    property real travelTop: 8 / 144
    property real travelBottom: 136 / 144

    Accessible.ignored: true
    onValuesChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    function xOf(logHertz) {
        var low = Math.log(60) / Math.LN10
        var high = Math.log(12000) / Math.LN10
        return width * (firstBand + (logHertz - low) / (high - low) * (lastBand - firstBand))
    }

    function logHertzAt(x) {
        var low = Math.log(60) / Math.LN10
        var high = Math.log(12000) / Math.LN10
        return low + (x / width - firstBand) / (lastBand - firstBand) * (high - low)
    }

    function yOf(decibels) {
        var top = height * travelTop
        var bottom = height * travelBottom
        return top + (BandScale.topDecibels - decibels) / (2 * BandScale.topDecibels) * (bottom - top)
    }

    function drawGrid(ctx) {
        ctx.strokeStyle = "#3A3D42"
        ctx.lineWidth = 1
        var decades = [100, 1000, 10000]
        for (var i = 0; i < decades.length; ++i) {
            var x = Math.round(xOf(Math.log(decades[i]) / Math.LN10)) + 0.5
            ctx.beginPath()
            ctx.moveTo(x, yOf(BandScale.topDecibels))
            ctx.lineTo(x, yOf(-BandScale.topDecibels))
            ctx.stroke()
        }
        ctx.beginPath()
        ctx.moveTo(0, Math.round(yOf(0)) + 0.5)
        ctx.lineTo(width, Math.round(yOf(0)) + 0.5)
        ctx.stroke()
    }

    onPaint: {
        var ctx = getContext("2d")
        ctx.clearRect(0, 0, width, height)
        drawGrid(ctx)
        var decibels = values.map(function (value) { return BandScale.decibels(value) })
        ctx.strokeStyle = CusConfig.elementColor
        ctx.globalAlpha = 0.8
        ctx.lineWidth = Math.max(1.5, height / 72)
        ctx.beginPath()
        for (var x = 0; x <= width; x += 2) {
            var y = yOf(Curve.gainAt(logHertzAt(x), decibels))
            if (x === 0)
                ctx.moveTo(x, y)
            else
                ctx.lineTo(x, y)
        }
        ctx.stroke()
        ctx.globalAlpha = 1
        ctx.fillStyle = CusConfig.elementColor
        var xs = Curve.logHertz()
        for (var i = 0; i < xs.length; ++i) {
            ctx.beginPath()
            ctx.arc(xOf(xs[i]), yOf(decibels[i]), Math.max(2, height / 48), 0, 2 * Math.PI)
            ctx.fill()
        }
    }
}
