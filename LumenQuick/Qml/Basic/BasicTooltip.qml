import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0

ToolTip {
    id: tip
    padding: 6
    font.family: CusConfig.fontFamily
    font.pixelSize: CusConfig.tipTextPixel
    contentItem: Text {
        text: tip.text
        font: tip.font
        color: "#333333"
        wrapMode: Text.Wrap
    }
    background: Rectangle {
        color: CusConfig.tipBackgroundColor
        border.color: CusConfig.tipBorderColor
        border.width: 1
        radius: CusConfig.controlBorderRadius
    }
}
