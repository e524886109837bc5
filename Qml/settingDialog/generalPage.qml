import QtQuick 2.9
import LumenQuick 1.0
import "../common/deviceNames.js" as DeviceNames

Item {
    id: generalPage

    function showModel(devType) {
        var name = DeviceNames.displayName(devType)
        if (name !== "")
            text2.text = name
    }

    BasicTextF2 {
        id: text1
        objectName: "text1"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        x: 16
        y: 48
        width: 150
        color: CusConfig.controlTextColor
        text: qsTr("型号")
    }

    BasicTextF2 {
        id: text2
        objectName: "text2"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        x: 16
        y: 72
        width: 300
        color: CusConfig.controlTextColor
    }

    BasicTextF2 {
        id: text3
        objectName: "text3"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        x: 16
        y: 115
        width: 150
        color: CusConfig.controlTextColor
        text: qsTr("语言")
    }

    CusComboBox {
        id: comboBox
        objectName: "comboBox"
        x: 16
        y: 139
        width: 128
        height: 24
        model: Tran ? Tran.languageList : []
        Accessible.name: qsTr("语言")
        Accessible.description: displayText
        onActivated: {
            if (!Tran)
                return
            Tran.reTrans(displayText)
            Tran.setLanguage(displayText)
        }
    }

    Connections {
        target: MainLogic
        function onIsConnect(isConnect, devType) {
            if (isConnect)
                generalPage.showModel(devType)
        }
    }

    Component.onCompleted: {
        if (SoundCard)
            showModel(SoundCard.getDevType())
        // Set once, not bound: switching the language re-evaluates bindings before the new choice is
        // stored, which would throw the box back to the old language and store that one again.
        comboBox.currentIndex = Tran ? comboBox.find(Tran.getLanguage()) : -1
    }
}
