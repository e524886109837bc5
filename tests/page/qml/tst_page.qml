import QtQuick 2.9
import QtTest 1.2

TestCase {
    id: testCase
    name: "ControlPage"
    when: windowShown
    visible: true
    width: 560
    height: 456

    readonly property var defaultNames: ["流行", "舞曲", "爵士", "摇滚"]
    readonly property var bandSlots: ["setSlider60", "setSlider300", "setSlider1_2k", "setSlider3_6k", "setSlider12k"]

    // The sound-card model as the page sees it: every call is recorded in order.
    QtObject {
        id: card
        signal allParaChanged()
        property var calls: []
        property var para: ({})
        property var originalResult: [0, 0, 33, 29, 35, 28, 17]
        function record(name, args) { calls.push({ name: name, args: args }) }
        function getAllPara() { record("getAllPara", []); return para }
        function setMicMute(on) { record("setMicMute", [on]) }
        function setPlayMute(on) { record("setPlayMute", [on]) }
        function setSlider60(v) { record("setSlider60", [v]) }
        function setSlider300(v) { record("setSlider300", [v]) }
        function setSlider1_2k(v) { record("setSlider1_2k", [v]) }
        function setSlider3_6k(v) { record("setSlider3_6k", [v]) }
        function setSlider12k(v) { record("setSlider12k", [v]) }
        function setEqualizerEffect(i) { record("setEqualizerEffect", [i]) }
        function setOriginal() { record("setOriginal", []); return originalResult }
    }

    // The settings store, kept in memory: saved bands mix with the built-in ones band by band, and
    // what is stored outlives a page, as it outlives a run of the program.
    QtObject {
        id: config
        readonly property var builtIn: [[34, 37, 32, 34, 41], [40, 36, 27, 30, 18], [26, 31, 36, 31, 26],
                                        [37, 32, 27, 32, 37]]
        property var calls: []
        property var saved: ({})
        property var texts: ({})
        function record(name, args) { calls.push({ name: name, args: args }) }
        function getEqualizerConfig(style) {
            record("getEqualizerConfig", [style])
            var values = []
            for (var band = 0; band < 5; ++band) {
                var key = style + "/" + band
                values.push(saved.hasOwnProperty(key) ? saved[key] : builtIn[style][band])
            }
            return values
        }
        function saveEqualizerConfig(style, band, value) {
            record("saveEqualizerConfig", [style, band, value])
            saved[style + "/" + band] = value
        }
        function removeEqualizerConfig(style) {
            record("removeEqualizerConfig", [style])
            for (var band = 0; band < 5; ++band)
                delete saved[style + "/" + band]
        }
        function setCustomText(index, text) { record("setCustomText", [index, text]); texts[index] = text }
        function getCustomText(index) {
            record("getCustomText", [index])
            return texts.hasOwnProperty(index) ? texts[index] : ""
        }
    }

    property var page: null
    property bool languageSwitched: false

    function init() {
        card.calls = []
        card.para = { flag: 0, playMute: 0, micMute: 0, eQ60: 0, eQ300: 0, eQ1200: 0, eQ3600: 0, eQ12000: 0 }
        card.originalResult = [0, 0, 33, 29, 35, 28, 17]
        config.calls = []
        config.saved = {}
        config.texts = {}
        ContextHost.setContextObject("SoundCard", card)
        ContextHost.setContextObject("Config", config)
        ContextHost.takeWarnings()
    }

    function cleanup() {
        if (page)
            page.destroy()
        page = null
        wait(0)
        ContextHost.setContextObject("SoundCard", null)
        ContextHost.setContextObject("Config", null)
        if (languageSwitched)
            ContextHost.switchLanguage("")
        languageSwitched = false
        // A retranslation re-evaluates the test case's own bindings too, which the test library
        // reports as a loop; that is the harness, not the page.
        var warnings = ContextHost.takeWarnings().filter(function (w) { return w.indexOf("QML TestCase:") < 0 })
        compare(warnings.length, 0, warnings.join("\n"))
    }

    function createPage() {
        if (page)
            page.destroy()
        var component = Qt.createComponent("qrc:/Qml/pageMain/PageZq05.qml")
        compare(component.status, Component.Ready, component.errorString())
        page = component.createObject(testCase)
        verify(page !== null)
        waitForRendering(page)
        card.calls = []
        config.calls = []
        return page
    }

    function part(name) {
        var found = findChild(page, name)
        verify(found !== null, "no item named " + name)
        return found
    }

    function band(index) { return part("band" + index) }
    function preset(index) { return part("preset" + index) }
    function bandValues() { return [0, 1, 2, 3, 4].map(function (i) { return band(i).sliderValue }) }
    function callNames(stub) { return stub.calls.map(function (c) { return c.name }) }
    function bandSlotCalls() {
        return card.calls.filter(function (c) { return bandSlots.indexOf(c.name) >= 0 })
    }
    function checkedPresetIndex() {
        for (var i = 0; i < 4; ++i) {
            if (preset(i).checked)
                return i
        }
        return -1
    }

    // Drags a band's knob from its middle up by a third of its travel, then lets go. Returns the
    // value the slider shows; nothing may reach the card before the release.
    function dragBand(index) {
        var slider = findChild(band(index), "slider")
        var x = slider.width / 2
        var y = slider.height / 2
        mousePress(slider, x, y)
        for (var step = 1; step <= 6; ++step)
            mouseMove(slider, x, y - step * slider.height / 18)
        compare(bandSlotCalls().length, 0, "a band was sent while its knob was still held")
        mouseRelease(slider, x, y - slider.height / 3)
        verify(slider.value > 21 && slider.value < 43, "the knob did not follow the drag: " + slider.value)
        return slider.value
    }

    // Clicks a preset and lets the single-click timer run out, so that the preset is applied.
    function applyPreset(index) {
        var before = config.calls.length
        mouseClick(preset(index))
        tryVerify(function () {
            return config.calls.slice(before).some(function (c) { return c.name === "getEqualizerConfig" })
        }, 2000)
    }

    function test_startState() {
        config.texts = { 1: "Club", 3: "" }
        createPage()
        compare(part("btnMicMute").checkedState, 2)
        compare(part("btnPlayMute").checkedState, 2)
        verify(!findChild(part("btnMicMute"), "switch").checked)
        compare(bandValues(), [0, 0, 0, 0, 0])
        compare(checkedPresetIndex(), -1)
        // A stored name replaces the default caption; an empty one leaves the default in place.
        compare([0, 1, 2, 3].map(function (i) { return preset(i).text }), ["流行", "Club", "爵士", "摇滚"])
        // The page waits for the card to announce its data before it reads anything.
        compare(card.calls.length, 0)
        var captions = [0, 1, 2, 3, 4].map(function (i) { return findChild(band(i), "caption").text })
        compare(captions, ["60Hz", "300Hz", "1.2KHz", "3.6KHz", "12KHz"])
    }

    function test_bandReleaseWithoutPreset_data() {
        return [0, 1, 2, 3, 4].map(function (i) { return { tag: bandSlots[i], band: i } })
    }

    function test_bandReleaseWithoutPreset(data) {
        createPage()
        var value = dragBand(data.band)
        compare(card.calls.length, 1)
        compare(card.calls[0].name, bandSlots[data.band])
        compare(card.calls[0].args, [value])
        compare(config.calls.length, 0)
        compare(band(data.band).sliderValue, value)
    }

    function test_bandReleaseWithJazzChecked() {
        createPage()
        applyPreset(2)
        compare(bandValues(), config.builtIn[2])
        card.calls = []
        config.calls = []
        var value = dragBand(1)
        compare(callNames(card), ["setSlider300"])
        compare(card.calls[0].args, [value])
        compare(callNames(config), ["saveEqualizerConfig"])
        compare(config.calls[0].args, [2, 1, value])
        // The edited band is part of the preset now: applying it again brings the value back.
        applyPreset(0)
        applyPreset(2)
        compare(bandValues(), [26, value, 36, 31, 26])
    }

    function test_singleClickAppliesAfterTheTimer() {
        createPage()
        mouseClick(preset(3))
        verify(preset(3).checked)
        compare(card.calls.length, 0, "applied before the double-click window was over")
        compare(config.calls.length, 0)
        tryCompare(part("presetTimer"), "running", false, 1000)
        compare(callNames(config), ["getEqualizerConfig"])
        compare(config.calls[0].args, [3])
        compare(callNames(card), ["setEqualizerEffect"])
        compare(card.calls[0].args, [3])
        compare(bandValues(), config.builtIn[3])
    }

    function test_doubleClickRenamesWithoutApplying() {
        createPage()
        applyPreset(0)
        card.calls = []
        config.calls = []
        var button = preset(1)
        var editor = findChild(button, "nameEditor")
        mouseDoubleClickSequence(button)
        verify(editor.visible)
        verify(editor.activeFocus)
        compare(button.text, "")
        compare(editor.text, "")
        wait(400)
        compare(card.calls.length, 0)
        compare(config.calls.length, 0)
        // The double click checked nothing: the applied style stays the checked one, so that the
        // next band release goes into the style the sliders came from.
        compare(checkedPresetIndex(), 0)

        keyClick(Qt.Key_C)
        keyClick(Qt.Key_L)
        keyClick(Qt.Key_U)
        keyClick(Qt.Key_B)
        keyClick(Qt.Key_Return)
        verify(!editor.visible)
        compare(button.text, "club")
        verify(button.activeFocus)
        // Enter finishes the edit and the editor losing its focus must not store the name again.
        compare(callNames(config), ["setCustomText"])
        compare(config.calls[0].args, [1, "club"])
        compare(checkedPresetIndex(), 0)
        var value = dragBand(2)
        compare(config.calls[1].name, "saveEqualizerConfig")
        compare(config.calls[1].args, [0, 2, value])

        // The new name is there on the next start.
        createPage()
        compare(preset(1).text, "club")
        compare(preset(0).text, "流行")
    }

    // Only Enter with a name renames a style: a fresh editor left by a click, a blank name and Esc
    // keep the name, and a default name keeps following the language.
    function test_renameLeftWithoutEnterKeepsTheName() {
        config.texts = { 2: "Smooth" }
        createPage()
        var editor = findChild(preset(2), "nameEditor")
        mouseDoubleClickSequence(preset(2))
        verify(editor.visible)
        mouseClick(preset(0))
        verify(!editor.visible)
        compare(preset(2).text, "Smooth")

        mouseDoubleClickSequence(preset(2))
        keyClick(Qt.Key_Space)
        keyClick(Qt.Key_Return)
        compare(preset(2).text, "Smooth")
        compare(editor.text, "", "a refused name stayed in the editor")

        mouseDoubleClickSequence(preset(3))
        keyClick(Qt.Key_X)
        keyClick(Qt.Key_Escape)
        verify(!findChild(preset(3), "nameEditor").visible)
        verify(preset(3).activeFocus)
        compare(preset(3).text, "摇滚")
        compare(callNames(config).filter(function (n) { return n === "setCustomText" }), [])

        languageSwitched = true
        verify(ContextHost.switchLanguage("en"))
        compare(preset(3).text, "Rock")
        compare(preset(2).text, "Smooth")
        createPage()
        compare(preset(2).text, "Smooth")
    }

    function test_recover() {
        createPage()
        var before = bandValues()
        mouseClick(part("recover"))
        wait(300)
        compare(card.calls.length, 0, "Recover without a preset reached the card")
        compare(config.calls.length, 0, "Recover without a preset reached the store")
        compare(bandValues(), before)

        applyPreset(0)
        dragBand(4)
        card.calls = []
        config.calls = []
        mouseClick(part("recover"))
        compare(callNames(config), ["removeEqualizerConfig", "getEqualizerConfig"])
        compare(config.calls[0].args, [0])
        compare(config.calls[1].args, [0])
        compare(callNames(card), ["setEqualizerEffect"])
        compare(card.calls[0].args, [0])
        compare(bandValues(), config.builtIn[0])
        compare(checkedPresetIndex(), 0)
    }

    function test_syncData() {
        createPage()
        card.para = { flag: 7, playMute: 1, micMute: 0, eQ60: 12, eQ300: 43, eQ1200: 0, eQ3600: 5, eQ12000: 30 }
        card.allParaChanged()
        compare(part("btnPlayMute").checkedState, 1)
        verify(findChild(part("btnPlayMute"), "switch").checked)
        compare(part("btnMicMute").checkedState, 0)
        verify(!findChild(part("btnMicMute"), "switch").checked)
        compare(bandValues(), [12, 43, 0, 5, 30])
        compare(callNames(card), ["getAllPara"], "values set from the card were written back to it")

        // A refresh with the same values only clears the preset selection.
        applyPreset(1)
        card.calls = []
        config.calls = []
        var changes = 0
        var counter = function () { ++changes }
        for (var i = 0; i < 5; ++i)
            band(i).sliderValueChanged.connect(counter)
        part("btnMicMute").checkedStateChanged.connect(counter)
        part("btnPlayMute").checkedStateChanged.connect(counter)
        card.para = { flag: 7, playMute: 1, micMute: 0, eQ60: 40, eQ300: 36, eQ1200: 27, eQ3600: 30, eQ12000: 18 }
        card.allParaChanged()
        compare(changes, 0, "an unchanged refresh disturbed the controls")
        compare(checkedPresetIndex(), -1)
        compare(callNames(card), ["getAllPara"])
        compare(config.calls.length, 0)
    }

    function test_syncDataIgnoresAMissingCard() {
        ContextHost.setContextObject("SoundCard", null)
        createPage()
        applyPreset(1)
        card.allParaChanged()
        compare(checkedPresetIndex(), 1)
        compare(card.calls.length, 0)
    }

    function test_original() {
        createPage()
        applyPreset(3)
        card.calls = []
        config.calls = []
        card.originalResult = [0, 1, 33, 29, 35, 28, 17]
        mouseClick(part("original"))
        compare(checkedPresetIndex(), -1)
        compare(callNames(card), ["setOriginal"])
        compare(config.calls.length, 0)
        compare(part("btnPlayMute").checkedState, 0)
        compare(part("btnMicMute").checkedState, 1)
        compare(bandValues(), [33, 29, 35, 28, 17])

        // A card that is not ready answers with nothing: the controls stay as they are.
        card.originalResult = []
        mouseClick(part("original"))
        compare(bandValues(), [33, 29, 35, 28, 17])
        compare(part("btnMicMute").checkedState, 1)
        compare(bandSlotCalls().length, 0)
    }

    function test_originalWithoutCardShowsZeros() {
        ContextHost.setContextObject("SoundCard", null)
        createPage()
        applyPreset(0)
        mouseClick(part("btnMicMute"), 10, 25)
        compare(part("btnMicMute").checkedState, 1)
        mouseClick(part("original"))
        compare(checkedPresetIndex(), -1)
        compare(bandValues(), [0, 0, 0, 0, 0])
        compare(part("btnMicMute").checkedState, 0)
        verify(!findChild(part("btnMicMute"), "switch").checked)
        compare(card.calls.length, 0)
    }

    function test_switches() {
        createPage()
        var mic = part("btnMicMute")
        var play = part("btnPlayMute")
        var micSwitch = findChild(mic, "switch")
        mouseClick(micSwitch)
        compare(mic.checkedState, 1)
        mouseClick(findChild(play, "switch"))
        mouseClick(micSwitch)
        compare(mic.checkedState, 2)
        compare(play.checkedState, 1)
        compare(callNames(card), ["setMicMute", "setPlayMute", "setMicMute"])
        compare(card.calls.map(function (c) { return c.args[0] }), [true, true, false])
    }

    function test_withoutCardThePageStillWorksOnItselfAndTheStore() {
        ContextHost.setContextObject("SoundCard", null)
        createPage()
        mouseClick(findChild(part("btnPlayMute"), "switch"))
        compare(part("btnPlayMute").checkedState, 1)
        applyPreset(3)
        compare(bandValues(), config.builtIn[3])
        var value = dragBand(0)
        compare(config.calls[config.calls.length - 1].args, [3, 0, value])
        mouseClick(part("recover"))
        compare(bandValues(), config.builtIn[3])
        mouseDoubleClickSequence(preset(0))
        keyClick(Qt.Key_X)
        keyClick(Qt.Key_Return)
        compare(preset(0).text, "x")
        compare(config.texts[0], "x")
        compare(card.calls.length, 0)
    }

    function test_cardArrivingLaterIsFollowed() {
        ContextHost.setContextObject("SoundCard", null)
        createPage()
        ContextHost.setContextObject("SoundCard", card)
        card.para = { flag: 0, playMute: 0, micMute: 1, eQ60: 1, eQ300: 2, eQ1200: 3, eQ3600: 4, eQ12000: 5 }
        card.allParaChanged()
        compare(bandValues(), [1, 2, 3, 4, 5])
        compare(part("btnMicMute").checkedState, 1)
    }

    function test_languageSwitchKeepsWhatThePageShows() {
        config.texts = { 2: "Smooth" }
        createPage()
        card.para = { flag: 0, playMute: 1, micMute: 0, eQ60: 1, eQ300: 2, eQ1200: 3, eQ3600: 4, eQ12000: 5 }
        card.allParaChanged()
        applyPreset(3)
        var buttons = [0, 1, 2, 3].map(preset)
        languageSwitched = true
        verify(ContextHost.switchLanguage("en"))
        compare([0, 1, 2, 3].map(function (i) { return preset(i).text }), ["Pop", "Dance", "Smooth", "Rock"])
        compare(part("original").text, "Original")
        compare(part("recover").text, "Recover")
        compare(bandValues(), config.builtIn[3])
        compare(part("btnPlayMute").checkedState, 1)
        compare(checkedPresetIndex(), 3)
        for (var i = 0; i < 4; ++i)
            verify(preset(i) === buttons[i], "preset " + i + " was rebuilt")
        verify(ContextHost.switchLanguage(""))
        compare(preset(0).text, "流行")
        compare(preset(2).text, "Smooth")
    }
}
