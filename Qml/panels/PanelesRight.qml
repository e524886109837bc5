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
    // Why a card that was found cannot be driven ("noAccess", "noLibrary", "noAnswer"); empty otherwise.
    property string unusableReason: ""

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
        visible: !rightPart.devConnectState && rightPart.unusableReason === ""
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

    // A card is there but cannot be driven: say what stands in the way and what the user can do. Longer
    // than the other states: it may take two lines, which grow upward from the same baseline.
    BasicText {
        id: devStateUnusable
        objectName: "devStateUnusable"
        width: 390
        anchors.right: snText.left
        anchors.rightMargin: 6
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 10
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignBottom
        wrapMode: Text.WordWrap
        font.pixelSize: 10
        color: "orange"
        text: rightPart.unusableReason === "noAccess"
              ? qsTr("已找到声卡，但当前用户无权打开它。\n请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上")
              : rightPart.unusableReason === "noAnswer"
                ? qsTr("已找到声卡，但它没有应答。\n请拔下声卡再插上")
                : qsTr("已找到声卡，但本系统上没有能控制它的库")
        visible: rightPart.unusableReason !== ""
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
            rightPart.unusableReason = ""
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
        function onCardUnusable(reason) {
            rightPart.devConnectState = false
            rightPart.unusableReason = reason
        }
        function onScreenChanged() {
            autoResizeDynamic.horizontalRatio = MainLogic.getScalingRate()
            autoResizeDynamic.verticalRatio = MainLogic.getScalingRate()
            autoResizeDynamic.resize()
        }
    }
}
