import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0
import "../common"
import "../pageMain"

Item {
    id: rightPart

    property int currentIndex: 1
    property string devType: "zq02"
    property bool devConnectState: false

    AutoResize {
        id: autoResizeDynamic
        targetItem: rightPart
        // The main window is destroyed before its scene, which sees MainLogic turn null in its last moments.
        horizontalRatio: MainLogic ? MainLogic.getScalingRate() : 1.0
        verticalRatio: MainLogic ? MainLogic.getScalingRate() : 1.0
    }

    Rectangle {
        anchors.fill: parent
        color: CusConfig.mainBackgroundColor
    }

    PageZq05 {
        id: pageZq05
        objectName: "pageZq05"
        anchors.fill: parent
    }

    BasicText {
        id: devStateNoConnect
        objectName: "devStateNoConnect"
        width: 120
        anchors.right: snText.left
        anchors.rightMargin: 6
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        horizontalAlignment: Text.AlignRight
        font.pixelSize: 10
        color: "red"
        text: qsTr("设备未连接")
        visible: !rightPart.devConnectState
        Accessible.role: Accessible.StaticText
        Accessible.name: text + snText.text
    }

    BasicText {
        id: devStateConnect
        objectName: "devStateConnect"
        width: 120
        anchors.right: snText.left
        anchors.rightMargin: 6
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        horizontalAlignment: Text.AlignRight
        font.pixelSize: 10
        color: "green"
        text: qsTr("设备已连接")
        visible: rightPart.devConnectState
        Accessible.role: Accessible.StaticText
        Accessible.name: text + snText.text
    }

    BasicText {
        id: snText
        objectName: "snText"
        width: 115
        anchors.right: parent.right
        anchors.rightMargin: 40
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        horizontalAlignment: Text.AlignLeft
        font.pixelSize: 10
        color: "red"
        text: " | SN: "
    }

    // Opens and closes the recorder panel under the scene.
    CusButton_Image {
        id: button
        objectName: "recordToggle"
        width: 12
        height: 12
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        checkable: true
        checked: false
        Accessible.name: qsTr("录音面板")
        Accessible.description: qsTr("打开或收起窗口下方的录音面板；在录音面板中按 F6 可到达其控件")
        btnImgNormal: imgPath + "blackSkin/Recording_expand.png"
        btnImgHovered: imgPath + "blackSkin/Recording_expand.png"
        btnImgPressed: imgPath + "blackSkin/Recording_collapse.png"
        onClicked: {
            if (typeof MainLogic.openRecordWidget === "function")
                MainLogic.openRecordWidget(checked)
        }
    }

    Connections {
        target: MainLogic
        function onIsConnect(isConnect, devType) {
            rightPart.devConnectState = isConnect
            if (isConnect) {
                rightPart.devType = devType
                snText.color = "green"
                if (typeof SoundCard !== "undefined" && SoundCard)
                    snText.text = " | SN: " + SoundCard.getSNCode()
            } else {
                snText.color = "red"
                snText.text = " | SN: "
            }
        }
        function onScreenChanged() {
            autoResizeDynamic.horizontalRatio = MainLogic.getScalingRate()
            autoResizeDynamic.verticalRatio = MainLogic.getScalingRate()
            autoResizeDynamic.resize()
        }
    }
}
