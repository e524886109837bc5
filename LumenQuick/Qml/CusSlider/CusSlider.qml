import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0

// Vertical band slider. The knob's travel and the groove's fill are transforms driven by the value,
// never bound geometry, so that AutoResize may assign every item's size and place without freezing them.
//
// Keys move the knob the way a drag does: the slider counts as pressed from the first key that changes
// the value until that key is let go, so a user who reacts to the release (as to a mouse release) sees
// one finished change however long the key was held. Auto-repeat presses and releases in between are
// part of the held key. The window system does not mark every repeat as one (on X11 the first repeat
// arrives as a plain release and press), so a release counts only when no press follows it at once.
Slider {
    id: control

    property bool showNumber: false

    orientation: Qt.Vertical
    from: 0
    to: 43
    stepSize: 1
    snapMode: Slider.SnapAlways
    implicitWidth: 16
    implicitHeight: 144
    padding: 0
    hoverEnabled: true
    font.family: CusConfig.fontFamily
    font.pixelSize: 10

    property int pageStep: 5
    property bool keyHeld: false

    // The value a key asks for, or NaN for a key the slider does not take.
    function keyTarget(key) {
        switch (key) {
        case Qt.Key_Up: case Qt.Key_Right: return value + stepSize
        case Qt.Key_Down: case Qt.Key_Left: return value - stepSize
        case Qt.Key_PageUp: return value + pageStep * stepSize
        case Qt.Key_PageDown: return value - pageStep * stepSize
        case Qt.Key_Home: return from
        case Qt.Key_End: return to
        }
        return NaN
    }

    // Steps through increase() and decrease(), which leave a binding on value in place where an
    // assignment would cut it off.
    function stepTo(target) {
        target = Math.max(from, Math.min(to, target))
        var before
        while (value < target && before !== value) { before = value; increase() }
        while (value > target && before !== value) { before = value; decrease() }
    }

    function endKeyChange() {
        if (!keyHeld)
            return
        keyHeld = false
        pressed = false
    }

    Timer {
        id: keyRelease
        interval: 60
        onTriggered: control.endKeyChange()
    }

    Keys.onPressed: {
        var target = keyTarget(event.key)
        if (isNaN(target) || event.modifiers & (Qt.ControlModifier | Qt.AltModifier))
            return
        event.accepted = true
        keyRelease.stop()
        if (pressed && !keyHeld)
            return  // the mouse holds the knob
        var before = value
        stepTo(target)
        if (value !== before && !keyHeld) {
            keyHeld = true
            pressed = true
        }
        if (value !== before)
            moved()
    }
    Keys.onReleased: {
        if (isNaN(keyTarget(event.key)))
            return
        event.accepted = true
        if (!event.isAutoRepeat && keyHeld)
            keyRelease.restart()
    }
    Keys.onShortcutOverride: event.accepted = !isNaN(keyTarget(event.key))
    onActiveFocusChanged: {
        if (!activeFocus) {
            keyRelease.stop()
            endKeyChange()
        }
    }

    readonly property color knobColor: !enabled ? CusConfig.sliderColor_disabled
                                     : pressed ? CusConfig.sliderColor_pressed
                                     : hovered ? CusConfig.sliderColor_hovered : CusConfig.sliderColor

    background: Item {
        x: control.leftPadding
        y: control.topPadding
        width: control.availableWidth
        height: control.availableHeight

        Rectangle {
            id: groove
            width: 4
            x: (parent.width - width) / 2
            y: handleBox.height / 2
            height: parent.height - handleBox.height
            radius: width / 2
            color: CusConfig.controlColor

            Rectangle {
                width: groove.width
                height: groove.height
                radius: groove.radius
                color: CusConfig.elementColor
                transform: Scale {
                    origin.y: groove.height
                    yScale: 1 - control.visualPosition
                }
            }
        }
    }

    handle: Item {
        id: handleBox
        x: control.leftPadding + (control.availableWidth - width) / 2
        y: control.topPadding
        width: control.showNumber ? 24 : 16
        height: width
        transform: Translate { y: control.visualPosition * (control.availableHeight - handleBox.height) }

        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: control.knobColor
            border.width: control.pressed ? 0 : 1
            border.color: Qt.darker(CusConfig.sliderColor, 1.3)
        }
        Text {
            anchors.fill: parent
            visible: control.showNumber
            text: Math.round(control.value)
            font: control.font
            color: CusConfig.mainBackgroundColor
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }
        FocusMark {
            shown: control.visualFocus
            margin: 3
            radius: width / 2
        }
    }
}
