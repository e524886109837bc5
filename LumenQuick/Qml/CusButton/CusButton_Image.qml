import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0

// A button drawn by a picture per state; a checked button shows its pressed picture.
Button {
    id: control

    property string btnImgNormal: ""
    property string btnImgHovered: btnImgNormal
    property string btnImgPressed: btnImgHovered
    property string btnImgDisabled: btnImgNormal

    readonly property string currentImage: !enabled ? btnImgDisabled
                                         : (pressed || checked) ? btnImgPressed
                                         : hovered ? btnImgHovered : btnImgNormal

    Accessible.checkable: checkable
    Accessible.checked: checked
    implicitWidth: 24
    implicitHeight: 24
    padding: 0
    hoverEnabled: true
    // Enter presses the button as Space does.
    function activate() {
        if (!enabled)
            return
        if (checkable)
            toggle()
        clicked()
    }

    Keys.onReturnPressed: activate()
    Keys.onEnterPressed: activate()
    Keys.onShortcutOverride: event.accepted = [Qt.Key_Space, Qt.Key_Return, Qt.Key_Enter].indexOf(event.key) >= 0

    background: Item {
        FocusMark {
            shown: control.visualFocus
            margin: 3
        }
    }
    contentItem: Image {
        source: control.currentImage
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: CusConfig.mipmapPictures
    }
}
