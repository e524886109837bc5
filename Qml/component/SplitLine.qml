import QtQuick 2.4

// A faint divider between two sections of a page.
Rectangle {
    x: 25
    width: 475
    height: 1
    color: "#383A3E"
    opacity: 0.5
}
