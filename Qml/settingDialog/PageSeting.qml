import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0
import "../common"

// The settings popup opened by the title bar's gear: three tabs choose the page shown on the right.
Popup {
    id: dialog

    readonly property int designWidth: 430
    readonly property int designHeight: 288
    // Room above the content, whose heading reaches above it, so that clipping does not cut the heading.
    readonly property int designPadding: 8

    modal: true
    // With the focus the popup takes the keys: Tab walks its tabs and page, Esc closes it.
    focus: true
    clip: true
    width: designWidth
    height: designHeight
    padding: designPadding

    function scalingRate() {
        return MainLogic ? MainLogic.getScalingRate() : 1.0
    }

    function show() {
        var rate = scalingRate()
        width = designWidth * rate
        height = designHeight * rate
        padding = designPadding * rate
        if (parent) {
            x = (parent.width - width) / 2
            y = (parent.height - height) / 2
        }
        open()
        autoResizeDynamic2.resize()
    }

    function showPage(name) {
        loader.source = "qrc:/Qml/settingDialog/" + name + ".qml"
    }

    background: Rectangle {
        color: CusConfig.mainBackgroundColor
        border.color: "gray"
    }

    AutoResize {
        id: autoResizeDynamic2
        targetItem: dialog.contentItem
        horizontalRatio: dialog.scalingRate()
        verticalRatio: dialog.scalingRate()
    }

    AutoResize {
        id: autoResizeDynamic3
        // Each loaded page is taken up when it arrives.
        targetItem: null
        horizontalRatio: dialog.scalingRate()
        verticalRatio: dialog.scalingRate()
    }

    BasicTextF2 {
        objectName: "settingsHeading"
        x: (dialog.designWidth - 2 * dialog.designPadding - width) / 2
        y: -5
        width: 150
        font.bold: true
        horizontalAlignment: Text.AlignHCenter
        color: CusConfig.controlTextColor
        text: qsTr("设置")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Column {
        id: btnColumn
        objectName: "btnColumn"
        x: 1
        y: 46
        width: 100
        height: 242
        spacing: 21

        Repeater {
            // Source texts and pages; each caption is translated by its button.
            model: [{ caption: QT_TR_NOOP("通用设置"), page: "generalPage" },
                    { caption: QT_TR_NOOP("关于我们"), page: "aboutPage" },
                    { caption: QT_TR_NOOP("帮助中心"), page: "helpPage" }]
            CusButton {
                objectName: "tab" + index
                width: 80
                checkable: true
                ButtonGroup.group: tabGroup
                borderWidth: 0
                textFontSize: CusConfig.fontSizeLevel2
                font.bold: true
                backgroundColorNormal: CusConfig.mainBackgroundColor
                backgroundColorHovered: CusConfig.mainBackgroundColor
                backgroundColorPressed: CusConfig.mainBackgroundColor
                text: qsTr(modelData.caption)
                Accessible.role: Accessible.PageTab
                onClicked: dialog.showPage(modelData.page)
                // Set once: a checked binding would be re-evaluated by a language switch.
                Component.onCompleted: checked = index === 0
            }
        }
    }

    ButtonGroup {
        id: tabGroup
        exclusive: true
    }

    Rectangle {
        objectName: "divider"
        x: 80
        y: 40
        width: 1
        height: 224
        color: "#707070"
    }

    Loader {
        id: loader
        objectName: "loader"
        x: 80
        width: 320
        height: 288
        onLoaded: {
            autoResizeDynamic3.targetItem = item
            autoResizeDynamic3.begin()
            autoResizeDynamic3.resize()
        }
    }

    Connections {
        target: MainLogic
        // A card arriving shows its model on the general page, whichever tab is checked.
        function onIsConnect(isConnect, devType) {
            if (isConnect)
                dialog.showPage("generalPage")
        }
        function onScreenChanged() {
            var rate = dialog.scalingRate()
            autoResizeDynamic2.horizontalRatio = rate
            autoResizeDynamic2.verticalRatio = rate
            autoResizeDynamic3.horizontalRatio = rate
            autoResizeDynamic3.verticalRatio = rate
        }
    }
}
