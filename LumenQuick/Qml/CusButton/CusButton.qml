import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0

Button {
    id: control

    property int textFontSize: CusConfig.fontSizeLevel3
    // Marks the button as the chosen one without making it checkable; borders and text show it as pressed.
    property bool selected: false
    property string tipText: ""
    property int radius: CusConfig.controlBorderRadius
    property int borderWidth: 1

    property color backgroundColorNormal: CusConfig.controlColor
    property color backgroundColorHovered: CusConfig.controlColor_hovered
    property color backgroundColorPressed: CusConfig.controlColor_pressed
    property color backgroundColorDisabled: CusConfig.controlColor_disabled
    property color borderColorNormal: CusConfig.controlBorderColor
    property color borderColorHovered: CusConfig.controlBorderColor_hovered
    property color borderColorPressed: CusConfig.controlBorderColor_pressed
    property color borderColorDisabled: CusConfig.controlBorderColor_disabled
    property color textColorNormal: CusConfig.controlTextColor
    property color textColorHovered: CusConfig.controlTextColor_hovered
    property color textColorPressed: CusConfig.controlTextColor_pressed
    property color textColorDisabled: CusConfig.controlTextColor_disabled

    readonly property bool looksPressed: pressed || checked || selected

    // Named in the accessibility tree even when the assistive technology started before the control.
    Accessible.name: text
    Accessible.checkable: checkable
    Accessible.checked: checked
    implicitWidth: 56
    implicitHeight: 23
    padding: 0
    hoverEnabled: true
    font.family: CusConfig.fontFamily
    font.pixelSize: textFontSize

    // Enter presses the button as Space does; in an exclusive group the checked button stays checked.
    function activate() {
        if (!enabled)
            return
        var group = control.ButtonGroup.group
        if (checkable && !(checked && group && group.exclusive))
            toggle()
        clicked()
    }

    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()
    // The keys that press a focused button are its own, not a window shortcut's that uses the same key.
    Keys.onShortcutOverride: event.accepted = [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter].indexOf(event.key) >= 0

    function pick(disabledColor, pressedColor, hoveredColor, normalColor, isPressed) {
        if (!enabled)
            return disabledColor
        if (isPressed)
            return pressedColor
        return hovered ? hoveredColor : normalColor
    }

    contentItem: Text {
        text: control.text
        font: control.font
        color: control.pick(control.textColorDisabled, control.textColorPressed, control.textColorHovered,
                            control.textColorNormal, control.looksPressed)
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: control.radius
        color: control.pick(control.backgroundColorDisabled, control.backgroundColorPressed,
                            control.backgroundColorHovered, control.backgroundColorNormal,
                            control.pressed || control.checked)
        border.width: control.looksPressed ? 0 : control.borderWidth
        border.color: control.pick(control.borderColorDisabled, control.borderColorPressed,
                                   control.borderColorHovered, control.borderColorNormal, control.looksPressed)

        FocusMark {
            shown: control.visualFocus
            margin: 2
        }
    }

    BasicTooltip {
        visible: control.hovered && control.tipText !== ""
        text: control.tipText
        delay: 500
    }
}
