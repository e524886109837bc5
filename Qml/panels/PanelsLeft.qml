import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0

Item {
    id: root
    width: 300
    height: 400
    clip: true

    property string language: ""

    signal btnclicked(int btnIndex)

    Rectangle {
        anchors.fill: parent
        color: CusConfig.subBackgroundColor
    }

    CusImage {
        id: image
        objectName: "devicePicture"
        x: 14
        y: 305
        width: 210
        height: 70
        source: imgPath + "blackSkin/" + "zq05.png"
    }

    Connections {
        target: MainLogic
        function onIsConnect(isConnect, devType) {
            // A model without a picture of its own keeps the current one.
            const picture = CardControl.pictures[devType]
            if (picture)
                image.source = imgPath + "blackSkin/" + picture + ".png"
        }
    }
}
