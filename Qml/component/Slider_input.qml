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

    // Enter on the slider or a double click on its dB value: a gain typed in dB, snapped to the nearest
    // step, goes to the card as a release would send it; Esc or text that is not a number changes nothing.
    property bool entryOpen: false

    function openEntry() {
        entry.text = BandScale.decibelText(slider.value)
        entryOpen = true
        entry.selectAll()
        entry.forceActiveFocus()
    }

    function closeEntry(accept) {
        if (!entryOpen)
            return
        entryOpen = false
        slider.forceActiveFocus()
        var db = BandScale.parseDecibels(entry.text)
        if (!accept || isNaN(db))
            return
        var value = BandScale.valueOf(db)
        if (value === slider.value)
            return
        sliderInput.valueChange(value)
        sliderInput.sliderValue = value
    }

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
        Keys.onReturnPressed: sliderInput.openEntry()
        Keys.onEnterPressed: sliderInput.openEntry()
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
        visible: !sliderInput.entryOpen

        MouseArea {
            anchors.fill: parent
            onDoubleClicked: sliderInput.openEntry()
        }
    }

    Rectangle {
        x: slider.x + 8 - width / 2
        y: 170
        width: 50
        height: 18
        visible: sliderInput.entryOpen
        color: CusConfig.controlColor
        radius: 2

        CusTextInput {
            id: entry
            objectName: "decibelEntry"
            anchors.fill: parent
            clip: true
            horizontalAlignment: TextInput.AlignHCenter
            color: CusConfig.controlTextColor
            font.pixelSize: CusConfig.fontSizeLevel3
            maximumLength: 8
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("%1 的增益（dB）").arg(BandScale.spokenBand(sliderInput.text))
            Keys.onReturnPressed: sliderInput.closeEntry(true)
            Keys.onEnterPressed: sliderInput.closeEntry(true)
            Keys.onEscapePressed: sliderInput.closeEntry(false)
            onEditingFinished: sliderInput.closeEntry(false)
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
