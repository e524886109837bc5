import QtQuick 2.9

// Named like the context in which every translation file names its language, so that its qsTr()
// text is one that both compiled-in files translate.
Item {
    width: 200
    height: 40
    Text { objectName: "translated"; text: qsTr("TargetLanguage") }
    Text { objectName: "current"; text: Tran ? Tran.currentLanguage : "" }
}
