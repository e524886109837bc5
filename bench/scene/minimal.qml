import QtQuick 2.9

Rectangle {
    width: 800
    height: 480
    color: "#282A2B"
}
