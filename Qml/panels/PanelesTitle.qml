import QtQuick 2.0
import QtQuick.Controls 2.4
import LumenQuick 1.0
import "../common/deviceNames.js" as DeviceNames

Item {
    id: titleBar

    signal settingsClicked()

    // Where the focus goes when the settings popup closes: back to the gear that opened it, with the
    // focus mark only when the keyboard had it there.
    property bool settingsOpenedByKey: false
    function returnFocusFromSettings() {
        btnSetting.forceActiveFocus(settingsOpenedByKey ? Qt.TabFocusReason : Qt.OtherFocusReason)
    }

    Rectangle {
        anchors.fill: parent
        color: CusConfig.mainBackgroundColor
    }

    Rectangle {
        x: 0
        y: titleBar.height - 1
        width: titleBar.width
        height: 1
        color: CusConfig.splitLineColor
    }

    CusImage {
        objectName: "logo"
        x: 8
        y: 4
        width: sourceSize.width / 2
        height: sourceSize.height / 2
        source: imgPath + "blackSkin/logo.png"
    }

    BasicTextF3 {
        id: titleText
        objectName: "titleText"
        x: 31
        y: 5
        color: CusConfig.textColor
        text: "                                                        "
        Accessible.role: Accessible.StaticText
        Accessible.name: text.trim()
    }

    Row {
        objectName: "titleButtons"
        x: 736
        y: 4
        spacing: 4

        CusButton_Image {
            id: btnSetting
            objectName: "btnSetting"
            Accessible.name: qsTr("设置")
            width: 16
            height: 16
            btnImgNormal: imgPath + "blackSkin/icon_setting_default.png"
            btnImgHovered: imgPath + "blackSkin/icon_setting_click.png"
            onClicked: {
                titleBar.settingsOpenedByKey = visualFocus
                titleBar.settingsClicked()
            }
        }
        CusButton_Image {
            objectName: "btnMinimize"
            Accessible.name: qsTr("最小化")
            width: 16
            height: 16
            btnImgNormal: imgPath + "blackSkin/icon_minimize_default.png"
            btnImgHovered: imgPath + "blackSkin/icon_minimize_click.png"
            onClicked: MainLogic.showMinimized()
        }
        CusButton_Image {
            objectName: "btnClose"
            Accessible.name: qsTr("关闭")
            width: 16
            height: 16
            btnImgNormal: imgPath + "blackSkin/icon_close_default.png"
            btnImgHovered: imgPath + "blackSkin/icon_close_click.png"
            onClicked: MainLogic.close()
        }
    }

    Connections {
        target: MainLogic
        function onIsConnect(isConnect, devType) {
            var name = DeviceNames.displayName(devType)
            if (isConnect && name !== "")
                titleText.text = name + " " + MainLogic.getSoftVersion()
        }
    }
}
