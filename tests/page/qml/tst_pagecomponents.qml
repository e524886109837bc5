import QtQuick 2.9
import QtTest 1.2
import LumenQuick 1.0
import "qrc:/Qml/component"
import "qrc:/Qml/common"

TestCase {
    id: testCase
    name: "PageComponents"
    when: windowShown
    visible: true
    width: 400
    height: 400

    Component {
        id: switchComponent
        TextSwitch {
            x: 20
            y: 20
            text: "Mic"
            property var reports: []
            onSwitchChecked: reports.push({ isChecked: isChecked, stateThen: checkedState })
        }
    }

    Component {
        id: bandComponent
        Item {
            id: box
            width: 200
            height: 300
            property alias band: band
            property alias resizer: resizer
            property var reports: []
            AutoResize { id: resizer; targetItem: box }
            Slider_input {
                id: band
                x: 20
                y: 10
                text: "1.2KHz"
                onValueChange: box.reports.push({ value: value, sliderValueThen: sliderValue })
            }
        }
    }

    function test_switchReportsItsNewStateBeforeRecordingIt() {
        var item = createTemporaryObject(switchComponent, testCase)
        var control = findChild(item, "switch")
        verify(!control.checked)
        mouseClick(control)
        compare(item.reports.length, 1)
        compare(item.reports[0], { isChecked: true, stateThen: 2 })
        compare(item.checkedState, 1)
        verify(control.checked)
        mouseClick(control)
        compare(item.reports[1], { isChecked: false, stateThen: 1 })
        compare(item.checkedState, 2)
        verify(!control.checked)
    }

    function test_switchShowsOnOnlyForStateOne() {
        var item = createTemporaryObject(switchComponent, testCase)
        var control = findChild(item, "switch")
        var shown = [1, 0, 2, 1, 7].map(function (state) {
            item.checkedState = state
            return control.checked
        })
        compare(shown, [true, false, false, true, false])
        compare(item.reports.length, 0, "a state set by the page was reported as a click")
        // From a state that is neither 1 nor 2 a click still turns the switch on.
        item.checkedState = 0
        mouseClick(control)
        compare(item.reports[0].isChecked, true)
        compare(item.checkedState, 1)
    }

    function test_bandReportsOnceOnRelease() {
        var box = createTemporaryObject(bandComponent, testCase)
        var slider = findChild(box.band, "slider")
        var x = slider.width / 2
        mousePress(slider, x, slider.height - 4)
        for (var y = slider.height - 10; y > slider.height / 4; y -= 10)
            mouseMove(slider, x, y)
        compare(box.reports.length, 0)
        compare(box.band.sliderValue, 0, "the value was taken while dragging")
        mouseRelease(slider, x, slider.height / 4)
        compare(box.reports.length, 1)
        verify(box.reports[0].value > 25 && box.reports[0].value < 43, String(box.reports[0].value))
        // Listeners see the new value before the band records it.
        compare(box.reports[0].sliderValueThen, 0)
        compare(box.band.sliderValue, box.reports[0].value)

        // A value set from outside moves the knob even after the user has dragged it, and says nothing.
        box.band.sliderValue = 5
        compare(slider.value, 5)
    }

    // Keys follow the release rule of the mouse: one report when the key that changed the value is let
    // go, however often it repeated; a key that changes nothing reports nothing.
    function test_keysReportOnceWhenLetGo_data() {
        return [
            { tag: "Up held for three steps", start: 20, key: Qt.Key_Up, presses: 3, value: 23 },
            { tag: "Down", start: 20, key: Qt.Key_Down, presses: 1, value: 19 },
            { tag: "Page Up", start: 20, key: Qt.Key_PageUp, presses: 1, value: 25 },
            { tag: "Page Down near the bottom", start: 3, key: Qt.Key_PageDown, presses: 1, value: 0 },
            { tag: "Home", start: 30, key: Qt.Key_Home, presses: 1, value: 0 },
            { tag: "End", start: 30, key: Qt.Key_End, presses: 2, value: 43 },
            { tag: "Up at the top", start: 43, key: Qt.Key_Up, presses: 2, value: 43 },
        ]
    }
    function test_keysReportOnceWhenLetGo(data) {
        var box = createTemporaryObject(bandComponent, testCase)
        var slider = findChild(box.band, "slider")
        box.band.sliderValue = data.start
        slider.forceActiveFocus(Qt.TabFocusReason)
        // Each repeat as X11 may send the first one: a plain release and press at once.
        keyPress(data.key)
        for (var i = 1; i < data.presses; ++i) {
            keyRelease(data.key)
            keyPress(data.key)
        }
        compare(slider.value, data.value)
        compare(box.reports.length, 0, "reported before the key was let go")
        keyRelease(data.key)
        var changed = data.value !== data.start
        // The release counts once no repeat follows it.
        wait(100)
        tryCompare(box.reports, "length", changed ? 1 : 0, 1000)
        if (changed)
            compare(box.reports[0], { value: data.value, sliderValueThen: data.start })
        compare(box.band.sliderValue, data.value)
        // The knob still follows values from outside.
        box.band.sliderValue = 7
        compare(slider.value, 7)
    }

    // The band is named by its frequency and its place on the page's ruler, 43 steps from -10 dB to +10 dB.
    function test_bandSpeaksItsGainInDecibels_data() {
        return [
            { tag: "top", value: 43, name: "1.2 kHz，+10.0 dB" },
            { tag: "bottom", value: 0, name: "1.2 kHz，-10.0 dB" },
            { tag: "just above the middle", value: 22, name: "1.2 kHz，+0.2 dB" },
            { tag: "just below the middle", value: 21, name: "1.2 kHz，-0.2 dB" },
            { tag: "the minor mark above the middle", value: 27, name: "1.2 kHz，+2.6 dB" },
        ]
    }
    function test_bandSpeaksItsGainInDecibels(data) {
        var box = createTemporaryObject(bandComponent, testCase)
        box.band.sliderValue = data.value
        compare(findChild(box.band, "slider").Accessible.name, data.name)
    }

    function test_bandKeepsWorkingWhenScaled() {
        var box = createTemporaryObject(bandComponent, testCase)
        var slider = findChild(box.band, "slider")
        var caption = findChild(box.band, "caption")
        // The caption sits centred under the knob's track.
        fuzzyCompare(caption.x + caption.width / 2, slider.x + slider.width / 2, 0.5)
        box.resizer.horizontalRatio = 1.5
        box.resizer.verticalRatio = 1.5
        box.resizer.resize()
        compare(slider.height, 216)
        mousePress(slider, slider.width / 2, 4)
        mouseRelease(slider, slider.width / 2, 4)
        compare(box.reports.length, 1)
        compare(box.reports[0].value, 43)
        box.band.sliderValue = 0
        compare(slider.value, 0)
    }
}
