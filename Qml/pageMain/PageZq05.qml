import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0
import "../component"

// The sound-card control page: the mute switches and the five-band equaliser with its presets.
// The page keeps no device state of its own: what the user changes goes through CardControl to
// SoundCard at once, and what the card reports comes back through syncData(). SoundCard is null until
// a card has arrived; without a card the page only changes itself and Config.
Item {
    id: page
    width: 560
    height: 456

    readonly property var bandKeys: CardControl.bandKeys
    // The sliders' values as they move, for the curve and "Save current".
    property var liveValues: [0, 0, 0, 0, 0]

    function showLive(index, value) {
        var values = liveValues.slice()
        values[index] = value
        liveValues = values
    }

    function card() {
        return typeof SoundCard !== "undefined" && SoundCard ? SoundCard : null
    }

    function config() {
        return typeof Config !== "undefined" && Config ? Config : null
    }

    function band(index) {
        return bandRepeater.itemAt(index)
    }

    // What the controls do lives in CardControl, shared with the commands the running window carries
    // out; the page shows what it reports, whoever asked. A style looks checked only while it is
    // CardControl's checked one, so that a band release is never stored into a style that was not
    // applied.
    function clearPreset() {
        CardControl.clearStyle()
        if (btnGroup.checkedButton)
            btnGroup.checkedButton.checked = false
        btnGroup.checkedButton = null
    }

    function showCheckedPreset() {
        if (CardControl.checkedStyle < 0)
            clearPreset()
        else
            presetRepeater.itemAt(CardControl.checkedStyle).checked = true
    }

    function syncData() {
        var soundCard = card()
        if (!soundCard)
            return
        var para = soundCard.getAllPara()
        var micMute = Number(para.micMute)
        if (btnMicMute.checkedState !== micMute)
            btnMicMute.checkedState = micMute
        var playMute = Number(para.playMute)
        if (btnPlayMute.checkedState !== playMute)
            btnPlayMute.checkedState = playMute
        for (var i = 0; i < bandKeys.length; ++i) {
            var value = Number(para[bandKeys[i]])
            if (band(i).sliderValue !== value)
                band(i).sliderValue = value
        }
        clearPreset()
    }

    function controlDev(index, value) {
        CardControl.setBand(index, value)
    }

    Connections {
        target: CardControl
        function onCheckedStyleChanged() { page.showCheckedPreset() }
        function onMicMuteShown(state) { btnMicMute.checkedState = state }
        function onPlayMuteShown(state) { btnPlayMute.checkedState = state }
        function onBandShown(band, value) { page.band(band).sliderValue = value }
    }

    TitleText {
        x: 24
        y: 15
        text: qsTr("功能开关")
    }

    TextSwitch {
        id: btnMicMute
        objectName: "btnMicMute"
        x: 32
        y: 44
        text: qsTr("话筒静音")
        onSwitchChecked: CardControl.setMicMute(isChecked)
    }

    TextSwitch {
        id: btnPlayMute
        objectName: "btnPlayMute"
        x: 137
        y: 44
        text: qsTr("播放静音")
        onSwitchChecked: CardControl.setPlayMute(isChecked)
    }

    SplitLine {
        y: 102
    }

    TitleText {
        x: 24
        y: 121
        text: qsTr("播放均衡器")
    }

    CusButton {
        id: original
        objectName: "original"
        x: 32
        y: 155
        text: qsTr("原始")
        Accessible.description: qsTr("恢复声卡出厂的均衡值")
        onClicked: CardControl.restoreOriginal()
    }

    ButtonGroup {
        id: btnGroup
        exclusive: true
    }

    Row {
        id: row
        objectName: "presetRow"
        x: 96
        y: 155
        spacing: 8

        Repeater {
            id: presetRepeater
            // The model holds the source names and each caption translates its own: a model of
            // translated names would change on a language switch and the Repeater would build new
            // buttons, dropping the user's names, the checked preset and the scaled geometry.
            model: [QT_TR_NOOP("流行"), QT_TR_NOOP("舞曲"), QT_TR_NOOP("爵士"), QT_TR_NOOP("摇滚")]

            CusButton {
                id: btn
                objectName: "preset" + index
                property int btnIndex: index
                // The user's own name for the style, empty while it carries its default name, which
                // follows the language.
                property string customName: ""
                readonly property string caption: customName !== "" ? customName : qsTr(modelData)
                // Set by a double click: what ends it must not leave the style checked.
                property bool uncheckOnRelease: false
                checkable: true
                text: input.visible ? "" : caption
                ButtonGroup.group: btnGroup

                onClicked: {
                    timer.index = btnIndex
                    timer.restart()
                }
                // The second click of a double click arrives while the first one's timer still runs:
                // stopping it keeps the preset from being applied, and the click opens the name editor.
                onDoubleClicked: {
                    if (timer.running)
                        timer.stop()
                    uncheckOnRelease = true
                    openEditor()
                }
                // The editor taking the focus cancels the second press, and the release that follows
                // still toggles the button: each of them puts the check back, until the next press.
                onPressedChanged: {
                    if (pressed)
                        uncheckOnRelease = false
                }
                onReleased: endDoubleClick()
                onCanceled: endDoubleClick()
                function endDoubleClick() {
                    if (uncheckOnRelease)
                        page.showCheckedPreset()
                }
                // F2 is the keyboard's double click: it renames the focused style.
                Keys.onPressed: {
                    if (event.key === Qt.Key_F2 && !input.visible) {
                        event.accepted = true
                        openEditor()
                    }
                }

                // What a cancelled edit puts back into the editor.
                property string inputBeforeEdit: ""
                Accessible.name: caption
                Accessible.description: qsTr("均衡风格：空格键应用，F2 重命名")

                function openEditor() {
                    inputBeforeEdit = input.text
                    input.visible = true
                    input.forceActiveFocus()
                }

                // Only Enter with a name in the editor renames the style; Esc, a click elsewhere or
                // an editor left blank keep the name it had. A key leaves the focus on the button.
                function closeEditor(rename, byKey) {
                    input.visible = false
                    if (rename && input.text.trim() !== "") {
                        customName = input.text
                        if (page.config())
                            Config.setCustomText(btnIndex, input.text)
                    } else {
                        input.text = inputBeforeEdit
                    }
                    if (byKey)
                        btn.forceActiveFocus(Qt.TabFocusReason)
                }

                CusTextInput {
                    id: input
                    objectName: "nameEditor"
                    anchors.fill: parent
                    clip: true
                    visible: false
                    horizontalAlignment: TextInput.AlignHCenter
                    color: CusConfig.controlTextColor
                    font.pixelSize: CusConfig.fontSizeLevel3
                    maximumLength: CusConfig.maximumLength
                    // Enter renames; taken here, so that the key does not go on to press the button
                    // and apply the style. Losing the focus otherwise (a click elsewhere) keeps the
                    // name; hiding the editor takes its focus too, after the edit has ended.
                    Keys.onReturnPressed: btn.closeEditor(true, true)
                    Keys.onEnterPressed: btn.closeEditor(true, true)
                    onEditingFinished: {
                        if (visible)
                            btn.closeEditor(false, false)
                    }
                    Keys.onEscapePressed: btn.closeEditor(false, true)
                    Accessible.role: Accessible.EditableText
                    Accessible.name: qsTr("风格名称")
                }
            }
        }
    }

    CusButton {
        id: recover
        objectName: "recover"
        x: 380
        y: 155
        text: qsTr("恢复")
        Accessible.description: qsTr("把选中的风格恢复为默认值")
        onClicked: CardControl.recoverStyle()
    }

    PresetMenu {
        id: presetMenu
        objectName: "presetMenu"
        x: 444
        y: 155
        currentValues: page.liveValues
        onOpening: {
            var names = []
            for (var i = 0; i < presetRepeater.count; ++i)
                names.push(presetRepeater.itemAt(i).caption)
            // An equal list would still make the panel build its style buttons again.
            if (JSON.stringify(names) !== JSON.stringify(styleNames))
                styleNames = names
        }
        // The store has written the name into setting.ini already.
        onStyleNamed: presetRepeater.itemAt(style).customName = name
    }

    BasicTextF3 {
        x: 32
        y: 195
        color: "#848484"
        text: "10dB"
    }

    BasicTextF3 {
        x: 32
        y: 261
        color: "#848484"
        text: "0"
    }

    BasicTextF3 {
        x: 32
        y: 325
        color: "#848484"
        text: "-10dB"
    }

    ResponseCurve {
        objectName: "responseCurve"
        x: 71
        y: 196
        width: 358
        height: 144
        values: page.liveValues
    }

    Row {
        id: sliderList
        objectName: "sliderList"
        x: 71
        y: 196
        spacing: 12

        Repeater {
            id: bandRepeater
            model: CardControl.bandCaptions

            Slider_input {
                id: textSlider
                objectName: "band" + index
                width: 62
                height: 144
                text: modelData
                onValueChange: page.controlDev(index, value)
                onLiveValueChanged: page.showLive(index, liveValue)
            }
        }
    }

    Connections {
        target: typeof SoundCard !== "undefined" ? SoundCard : null
        ignoreUnknownSignals: true
        function onAllParaChanged() { page.syncData() }
    }

    // Tells a single click on a preset (apply it) from a double click (rename it).
    Timer {
        id: timer
        objectName: "presetTimer"
        property int index: 0
        interval: 200
        repeat: false
        onTriggered: CardControl.applyStyle(index)
    }

    Component.onCompleted: {
        // The page starts with no style checked; so does what a band release is stored into.
        CardControl.clearStyle()
        if (!config())
            return
        for (var i = 0; i < presetRepeater.count; ++i) {
            var stored = Config.getCustomText(i)
            if (stored)
                presetRepeater.itemAt(i).customName = stored
        }
    }
}
