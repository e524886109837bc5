import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0

// A section heading: a short bar in the theme's accent colour and a bold caption beside it.
Item {
    id: titleText

    property string text: ""

    implicitWidth: 408
    Accessible.role: Accessible.Heading
    Accessible.name: text
    implicitHeight: 18

    Rectangle {
        objectName: "titleBar"
        x: 0
        y: 0
        width: 4
        height: 16
        color: CusConfig.elementColor
    }

    BasicTextF2 {
        objectName: "titleCaption"
        x: 8
        y: -1
        width: 400
        horizontalAlignment: Text.AlignLeft
        font.bold: true
        text: titleText.text
    }
}
