import QtQuick 2.9
import LumenQuick 1.0

Text {
    font.family: CusConfig.fontFamily
    font.pixelSize: CusConfig.fontSizeLevel3
    color: CusConfig.textColor
}
