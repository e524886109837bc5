import QtQuick 2.9
import LumenQuick 1.0

// The keyboard focus mark of a control: an outline in the theme's focus colour, `margin` pixels outside
// the item it fills. Its object name keeps the page scaler away from it, so the outline stays as thick
// and as close at every scaling rate while it follows its control through the anchors.
Rectangle {
    property bool shown: false
    property real margin: 0

    objectName: "ingnoreAll"
    anchors.fill: parent
    anchors.margins: -margin
    color: "transparent"
    radius: CusConfig.controlBorderRadius + margin
    border.width: CusConfig.focusWidth
    border.color: CusConfig.focusColor
    visible: shown
}
