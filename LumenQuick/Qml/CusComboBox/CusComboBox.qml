import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0

ComboBox {
    id: control

    currentIndex: 0
    Accessible.name: displayText
    implicitWidth: 128
    implicitHeight: 24
    leftPadding: 8
    rightPadding: 8 + indicatorImage.width
    hoverEnabled: true
    font.family: CusConfig.fontFamily
    font.pixelSize: CusConfig.fontSizeLevel3
    displayText: qsTr(currentText)

    readonly property color textColor: !enabled ? CusConfig.controlTextColor_disabled
                                     : (hovered || pressed || popup.visible) ? CusConfig.controlTextColor_hovered
                                     : CusConfig.controlTextColor

    indicator: Image {
        id: indicatorImage
        x: control.width - width - 8
        y: (control.height - height) / 2
        width: 10
        height: 10
        source: CusConfig.imagePathPrefix + "ComboBox_Down.png"
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: CusConfig.mipmapPictures
        opacity: control.enabled ? 1 : 0.5
    }

    contentItem: Text {
        text: control.displayText
        font: control.font
        color: control.textColor
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    background: Rectangle {
        radius: CusConfig.controlBorderRadius
        color: control.enabled ? CusConfig.controlColor : CusConfig.controlColor_disabled
        border.width: 1
        border.color: !control.enabled ? CusConfig.controlBorderColor_disabled
                    : (control.hovered || control.popup.visible) ? CusConfig.controlBorderColor_hovered
                    : CusConfig.controlBorderColor

        FocusMark {
            shown: control.visualFocus
            margin: 2
        }
    }

    delegate: ItemDelegate {
        id: row
        width: control.width
        height: control.height
        padding: 0
        leftPadding: control.leftPadding
        highlighted: control.highlightedIndex === index
        contentItem: Text {
            text: qsTr(control.textAt(index))
            font: control.font
            color: row.highlighted ? CusConfig.textColor : CusConfig.controlTextColor
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
        background: Rectangle {
            color: row.highlighted ? CusConfig.controlColor_pressed : CusConfig.controlColor
        }
    }

    popup: Popup {
        y: control.height
        width: control.width
        implicitHeight: contentItem.implicitHeight + 2
        padding: 1
        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex
        }
        background: Rectangle {
            color: CusConfig.controlColor
            border.color: CusConfig.controlBorderColor
            radius: CusConfig.controlBorderRadius
        }
    }
}
