import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0

// Vertical band slider. The knob's travel and the groove's fill are transforms driven by the value,
// never bound geometry, so that AutoResize may assign every item's size and place without freezing them.
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
    }
}
