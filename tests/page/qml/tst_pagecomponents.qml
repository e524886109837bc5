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
        // Keys never move the knob behind the card's back.
        mouseClick(slider, x, slider.height * 0.5)
        var afterClick = slider.value
        keyClick(Qt.Key_Up)
        keyClick(Qt.Key_Up)
        compare(slider.value, afterClick)
        compare(box.reports.length, 2)
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
