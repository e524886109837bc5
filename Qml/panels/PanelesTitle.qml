import QtQuick 2.0
import QtQuick.Controls 2.4
import LumenQuick 1.0
import "../common/deviceNames.js" as DeviceNames

Item {
    id: titleBar

    signal settingsClicked()

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
    }

    Row {
        x: 736
        y: 4
        spacing: 4

        CusButton_Image {
            objectName: "btnSetting"
            width: 16
            height: 16
            btnImgNormal: imgPath + "blackSkin/icon_setting_default.png"
            btnImgHovered: imgPath + "blackSkin/icon_setting_click.png"
            onClicked: titleBar.settingsClicked()
        }
        CusButton_Image {
            objectName: "btnMinimize"
            width: 16
            height: 16
            btnImgNormal: imgPath + "blackSkin/icon_minimize_default.png"
            btnImgHovered: imgPath + "blackSkin/icon_minimize_click.png"
            onClicked: MainLogic.showMinimized()
        }
        CusButton_Image {
            objectName: "btnClose"
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
