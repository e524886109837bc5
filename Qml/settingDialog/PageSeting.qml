import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0

// The settings popup opened by the title bar's gear.
Popup {
    id: dialog
    modal: true
    clip: true
    width: 430
    height: 288
    padding: 0

    background: Rectangle {
        color: CusConfig.mainBackgroundColor
        border.color: "gray"
    }

    function show() {
        var rate = MainLogic.getScalingRate()
        width = 430 * rate
        height = 288 * rate
        if (parent) {
            x = (parent.width - width) / 2
            y = (parent.height - height) / 2
        }
        open()
    }
}
