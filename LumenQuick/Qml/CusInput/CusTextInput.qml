import QtQuick 2.9
import LumenQuick 1.0

TextInput {
    selectByMouse: true
    maximumLength: CusConfig.maximumLength
    color: CusConfig.textColor
    selectionColor: CusConfig.elementColor
    selectedTextColor: "#FFFFFF"
    font.family: CusConfig.fontFamily
    font.pixelSize: CusConfig.fontSizeLevel2
    verticalAlignment: TextInput.AlignVCenter
}
