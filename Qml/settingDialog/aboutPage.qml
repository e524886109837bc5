import QtQuick 2.9
import LumenQuick 1.0
import "contact.js" as Contact

Item {
    id: aboutPage

    property string firmwareVer: SoundCard ? SoundCard.getFirmwareVer() : ""

    Column {
        objectName: "versionColumn"
        x: 17
        y: 47
        spacing: -2

        ContactLine {
            objectName: "productLine"
            text: qsTr("Velora PC控制面板 Win客户端")
        }
        ContactLine {
            objectName: "versionLine"
            text: qsTr("版本号:") + (MainLogic ? MainLogic.getSoftVersion() : "")
        }
        ContactLine {
            objectName: "firmwareLine"
            text: qsTr("固件版本号:") + aboutPage.firmwareVer
        }
    }

    BasicTextF2 {
        objectName: "contactHeading"
        x: 17
        y: 110
        width: 150
        font.bold: true
        color: CusConfig.textColor
        text: qsTr("联系我们")
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }

    Column {
        objectName: "contactColumn"
        x: 17
        y: 130
        spacing: -2

        ContactLine {
            objectName: "webSiteLine"
            link: Contact.webSite
            text: qsTr("官方网站：") + Contact.webSiteText
        }
        ContactLine {
            objectName: "emailLine"
            text: qsTr("邮箱：") + Contact.email
        }
        ContactLine {
            objectName: "messagingLine"
            text: Contact.accountLine(qsTr("公众号：%1"), Contact.messagingAccount)
        }
        ContactLine {
            objectName: "videoLine"
            link: Contact.videoChannel
            text: Contact.accountLine(qsTr("视频频道：%1"), Contact.videoAccount)
        }
        ContactLine {
            objectName: "microBlogLine"
            link: Contact.microBlog
            text: Contact.accountLine(qsTr("微博：%1"), Contact.microBlogAccount)
        }
    }
}
