import QtQuick 2.9
import LumenQuick 1.0

Item {
    id: helpPage

    BasicTextF2 {
        objectName: "faqHeading"
        x: 16
        y: 48
        font.bold: true
        color: CusConfig.textColor
        text: qsTr("常见问题")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Column {
        objectName: "questions"
        x: 16
        y: 69
        width: 200
        height: 163

        Repeater {
            // Source texts, translated by each line: a language switch then keeps the lines as they are.
            model: [QT_TR_NOOP("Q:设备连接电脑指示灯不亮"), QT_TR_NOOP("Q:电脑播放音乐无声"), QT_TR_NOOP("Q:麦克风无声"),
                    QT_TR_NOOP("Q：手机端直播无声")]
            BasicTextF2 {
                objectName: "question" + index
                width: 290
                wrapMode: Text.WordWrap
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                color: CusConfig.controlTextColor
                text: qsTr(modelData)
            }
        }
    }

    BasicTextF2 {
        objectName: "moreFaqs"
        x: 16
        y: 235
        color: CusConfig.controlTextColor
        text: qsTr("更多常见问题>>")
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }

    Row {
        objectName: "helpButtons"
        x: 16
        y: 255
        width: 313
        height: 64
        spacing: 12

        // Wide enough for the longest caption of every language, so that none is cut short.
        Repeater {
            model: [QT_TR_NOOP("帮助中心"), QT_TR_NOOP("使用手册"), QT_TR_NOOP("意见反馈")]
            CusButton {
                objectName: "helpButton" + index
                width: 96
                height: 18
                text: qsTr(modelData)
            }
        }
    }
}
