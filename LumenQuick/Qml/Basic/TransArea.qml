import QtQuick 2.9

// Lies over a control to give it a hand cursor, or a forbidden one while the control is disabled; every
// press and wheel turn is refused here so that it reaches the control below. To show the forbidden cursor
// it must be a sibling of the control, not a child: a disabled control disables its children.
MouseArea {
    property Item target: parent
    readonly property bool targetEnabled: target ? target.enabled : true

    anchors.fill: target
    hoverEnabled: true
    cursorShape: targetEnabled ? Qt.PointingHandCursor : Qt.ForbiddenCursor

    onPressed: mouse.accepted = false
    onWheel: wheel.accepted = false
}
