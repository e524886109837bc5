import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0

// One equaliser band: a scale, a vertical slider over 0..43 and the band's caption under it. The value
// is reported once, when the user lets go of the knob; nothing is reported while dragging.
Item {
    id: sliderInput

    property string text: ""
    property int sliderValue: 0

    signal valueChange(int value)

    width: 62
    height: 144

    Image {
        objectName: "scale"
        x: 0
        y: 8
        width: 22
        height: 130
        source: imgPath + "blackSkin/scale.png"
    }

    CusSlider {
        id: slider
        objectName: "slider"
        x: 34
        value: sliderInput.sliderValue
        // Arrow keys would move the knob without a release, leaving the card behind what the page shows.
        focusPolicy: Qt.NoFocus
        onPressedChanged: {
            if (pressed)
                return
            sliderInput.valueChange(value)
            sliderInput.sliderValue = value
        }
    }

    BasicTextF2 {
        id: caption
        objectName: "caption"
        x: slider.x - (width - 16) / 2
        y: 154
        color: "#848484"
        text: sliderInput.text
    }
}
