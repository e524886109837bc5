import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0

// A caption with an on/off switch below it. checkedState 1 shows "on", any other value "off"; a click
// reports the switch's new state before the component records it.
Item {
    id: textSwitch

    property string text: ""
    property int checkedState: 2

    signal switchChecked(bool isChecked)

    implicitWidth: 200
    implicitHeight: caption.height + control.height

    BasicTextF2 {
        id: caption
        width: 200
        text: textSwitch.text
    }

    CusSwitch {
        id: control
        objectName: "switch"
        anchors.top: caption.bottom
        anchors.topMargin: 0
        anchors.left: caption.left
        anchors.leftMargin: -5
        checked: textSwitch.checkedState === 1
        Accessible.name: textSwitch.text
        Accessible.description: qsTr("空格键切换开关")
        onClicked: {
            textSwitch.switchChecked(checked)
            textSwitch.checkedState = checked ? 1 : 2
        }
    }
}
