import QtQuick 2.9
import LumenQuick 1.0

BasicText {
    font.pixelSize: CusConfig.fontSizeLevel3
    color: CusConfig.controlTextColor
}
