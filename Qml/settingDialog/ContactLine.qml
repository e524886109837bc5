import QtQuick 2.9
import LumenQuick 1.0

// One line of the about page; with a link it opens that address in the system's browser when clicked.
BasicTextF2 {
    id: line

    property string link: ""
    // A line that shows nothing (a language may translate an account line to a blank) offers no link.
    readonly property bool clickable: link !== "" && text.trim() !== ""

    width: 320
    color: CusConfig.controlTextColor
    // A line that opens an address is a link in the Tab order; Enter or Space opens it.
    activeFocusOnTab: clickable
    Accessible.role: clickable ? Accessible.Link : Accessible.StaticText
    Accessible.name: text.trim()
    Accessible.description: clickable ? link : ""
    Accessible.onPressAction: if (clickable) Qt.openUrlExternally(link)
    Keys.onPressed: {
        if (clickable && [Qt.Key_Return, Qt.Key_Enter, Qt.Key_Space].indexOf(event.key) >= 0) {
            event.accepted = true
            Qt.openUrlExternally(link)
        }
    }

    FocusMark {
        shown: line.activeFocus
        margin: 1
    }

    MouseArea {
        objectName: "linkArea"
        width: line.width
        height: line.height
        enabled: line.clickable
        hoverEnabled: true
        cursorShape: containsMouse ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: Qt.openUrlExternally(line.link)
    }
}
