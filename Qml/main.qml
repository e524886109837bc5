import QtQuick 2.9
import QtQuick.Window 2.2
import LumenQuick 1.0
import "panels"
import "pageMain"
import "common"
import "settingDialog"

Item {
    id: mainView
    width: 800
    height: 480
    visible: true

    AutoResize {
        id: autoResize
        targetItem: mainView
        // The main window is destroyed before its scene, which sees MainLogic turn null in its last moments.
        horizontalRatio: MainLogic ? MainLogic.getScalingRate() : 1.0
        verticalRatio: MainLogic ? MainLogic.getScalingRate() : 1.0
    }

    PanelesTitle {
        id: title
        objectName: "title"
        width: parent.width
        height: 24
        onSettingsClicked: dialogSeting.show()
    }

    PanelsLeft {
        id: leftPanels
        objectName: "leftPanels"
        y: 24
        width: 240
        height: parent.height
        onBtnclicked: {}
    }

    PanelesRight {
        id: rightPane
        objectName: "rightPane"
        anchors.top: title.bottom
        anchors.left: leftPanels.right
        anchors.right: parent.right
        width: parent.width - 240
        height: parent.height - 24
    }

    PageSeting {
        id: dialogSeting
        objectName: "dialogSeting"
        onClosed: title.returnFocusFromSettings()
    }

    // Mipmaps from the second frame on. The window announces each frame on the GUI thread just before
    // preparing it; the timer started there fires once the first frame is done and painted.
    Timer {
        id: afterFirstFrame
        onTriggered: CusConfig.mipmapPictures = true
    }
    Connections {
        target: mainView.Window.window
        enabled: !CusConfig.mipmapPictures && !afterFirstFrame.running
        function onAfterAnimating() { afterFirstFrame.start() }
    }

    Connections {
        target: MainLogic
        function onScreenChanged() {
            autoResize.horizontalRatio = MainLogic.getScalingRate()
            autoResize.verticalRatio = MainLogic.getScalingRate()
        }
    }

    Component.onCompleted: {
        if (typeof Tran !== "undefined" && Tran)
            Tran.reTrans(Tran.getLanguage())
    }
}
