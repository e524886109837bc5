import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0

// A pill-shaped switch. The knob's travel is a transform rather than a bound x, so that a scaler that
// assigns the geometry of every item (AutoResize) cannot cut it loose from the checked state.
Switch {
    id: control

    property color onBackgroundColor: "#5E17CC"
    property color onKnobColor: "#E5E5E5"
    property color offBackgroundColor: "#383A3E"
    property color offKnobColor: "#E5E5E5"

    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    padding: 0
    spacing: 0
    hoverEnabled: true
    font.family: CusConfig.fontFamily
    font.pixelSize: CusConfig.fontSizeLevel3

    // Enter switches as Space does; both belong to the focused switch rather than to a window shortcut.
    Keys.onReturnPressed: if (enabled) { toggle(); clicked() }
    Keys.onEnterPressed: if (enabled) { toggle(); clicked() }
    Keys.onShortcutOverride: event.accepted = [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter].indexOf(event.key) >= 0

    indicator: Rectangle {
        id: track
        implicitWidth: 24
        implicitHeight: 8
        x: control.leftPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        radius: height / 2
        color: control.checked ? control.onBackgroundColor : control.offBackgroundColor
        opacity: control.enabled ? 1 : 0.5
        Behavior on color { ColorAnimation { duration: 120 } }

        Rectangle {
            id: knob
            width: track.height * 1.5
            height: width
            radius: width / 2
            y: (track.height - height) / 2
            color: control.checked ? control.onKnobColor : control.offKnobColor
            border.width: control.hovered ? 1 : 0
            border.color: CusConfig.controlBorderColor_hovered
            transform: Translate {
                x: control.checked ? track.width - knob.width : 0
                Behavior on x { NumberAnimation { duration: 120; easing.type: Easing.OutQuad } }
            }
        }

        FocusMark {
            shown: control.visualFocus
            margin: 5
            radius: height / 2
        }
    }

    contentItem: Text {
        leftPadding: control.indicator.width + control.spacing
        text: control.text
        font: control.font
        color: CusConfig.textColor
        verticalAlignment: Text.AlignVCenter
        visible: text !== ""
    }
}
