import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0
import "../common/bandScale.js" as BandScale

// One equaliser band: a scale, a vertical slider over 0..43 and the band's caption under it. The value
// is reported once, when the user lets go of the knob or of the keys that moved it; nothing is reported
// while dragging or while a key repeats.
Item {
    id: sliderInput

    property string text: ""
    property int sliderValue: 0
    // The value the knob shows now, while it is dragged too.
    readonly property int liveValue: slider.value

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
        Accessible.name: qsTr("%1，%2 dB").arg(BandScale.spokenBand(sliderInput.text))
                                          .arg(BandScale.decibelText(value))
        Accessible.description: qsTr("均衡器频段：方向键调一格，Page Up/Page Down 调五格，松开按键写入声卡")
        onPressedChanged: {
            if (pressed)
                return
            sliderInput.valueChange(value)
            sliderInput.sliderValue = value
        }
    }

    BasicTextF3 {
        objectName: "decibels"
        x: slider.x + 8 - width / 2
        y: 172
        width: 62
        horizontalAlignment: Text.AlignHCenter
        color: "#A8A8A8"
        text: BandScale.decibelText(slider.value) + " dB"
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
