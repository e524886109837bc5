import QtQuick 2.9

Item {
    id: mainView
    width: 800
    height: 480
    visible: true
}
