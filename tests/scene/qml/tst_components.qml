import QtQuick 2.9
import QtTest 1.2
import LumenQuick 1.0
import "qrc:/Qml/common"

TestCase {
    id: testCase
    name: "Components"
    when: windowShown
    visible: true
    width: 400
    height: 400

    // Colours are compared by their text: the same colour may be held in different colour models.
    property color colourProbe
    function sameColour(actual, expected) {
        colourProbe = expected
        compare(String(actual), String(colourProbe))
    }
    function tryColour(object, property, expected) {
        colourProbe = expected
        tryVerify(function () { return String(object[property]) === String(colourProbe) }, 2000, property)
    }

    Component {
        id: scaledSliderComponent
        Item {
            id: box
            width: 100
            height: 200
            property alias slider: slider
            property alias resizer: resizer
            AutoResize { id: resizer; targetItem: box }
            CusSlider { id: slider; x: 20; y: 10 }
        }
    }

    function knobCentreY(slider) {
        return slider.handle.mapToItem(slider, 0, slider.handle.height / 2).y
    }

    function test_sliderKnobFollowsTheValueAfterScaling() {
        var box = createTemporaryObject(scaledSliderComponent, testCase)
        var slider = box.slider
        compare(slider.from, 0)
        compare(slider.to, 43)
        compare(slider.orientation, Qt.Vertical)
        compare([slider.width, slider.height], [16, 144])
        box.resizer.horizontalRatio = 1.5
        box.resizer.verticalRatio = 1.5
        box.resizer.resize()
        compare([slider.width, slider.height], [24, 216])
        // The knob (24 px now) travels the whole height: top at the maximum, bottom at the minimum.
        slider.value = 43
        fuzzyCompare(knobCentreY(slider), 12, 0.5)
        slider.value = 0
        fuzzyCompare(knobCentreY(slider), 204, 0.5)
        // A press near the top of the scaled slider moves the value to the maximum.
        mousePress(slider, 12, 14)
        mouseRelease(slider, 12, 14)
        compare(slider.value, 43)
        fuzzyCompare(knobCentreY(slider), 12, 0.5)
    }

    function test_sliderNumberKnob() {
        var slider = createTemporaryObject(Qt.createComponent("qrc:/LumenQuick/Qml/CusSlider/CusSlider.qml"),
                                           testCase, { showNumber: true, value: 17 })
        compare(slider.handle.width, 24)
        var label = slider.handle.children[1]
        verify(label.visible)
        compare(label.text, "17")
    }

    Component {
        id: scaledSwitchComponent
        Item {
            id: box
            width: 100
            height: 100
            property alias control: control
            property alias resizer: resizer
            AutoResize { id: resizer; targetItem: box }
            CusSwitch { id: control; x: 10; y: 10 }
        }
    }

    function knobX(control) {
        var knob = control.indicator.children[0]
        return knob.mapToItem(control.indicator, 0, 0).x
    }

    function test_switchKnobFollowsTheStateAfterScaling() {
        var box = createTemporaryObject(scaledSwitchComponent, testCase)
        var control = box.control
        compare([control.indicator.width, control.indicator.height], [24, 8])
        sameColour(control.indicator.color, "#383A3E")
        box.resizer.horizontalRatio = 2
        box.resizer.verticalRatio = 2
        box.resizer.resize()
        compare(control.indicator.width, 48)
        mouseClick(control)
        verify(control.checked)
        tryColour(control.indicator, "color", "#5E17CC")
        var knob = control.indicator.children[0]
        sameColour(control.indicator.children[0].color, "#E5E5E5")
        tryVerify(function () { return Math.abs(knobX(control) - (48 - knob.width)) < 0.5 }, 2000)
        mouseClick(control)
        verify(!control.checked)
        tryVerify(function () { return Math.abs(knobX(control)) < 0.5 }, 2000)
    }

    Component {
        id: buttonComponent
        CusButton { x: 20; y: 20; text: "Pop" }
    }

    function test_buttonColoursFollowItsState() {
        var button = createTemporaryObject(buttonComponent, testCase)
        compare([button.width, button.height], [56, 23])
        compare(button.font.pixelSize, CusConfig.fontSizeLevel3)
        sameColour(button.background.color, CusConfig.controlColor)
        compare(button.background.border.width, 1)
        sameColour(button.background.border.color, CusConfig.controlBorderColor)
        sameColour(button.contentItem.color, CusConfig.controlTextColor)

        button.checkable = true
        button.checked = true
        sameColour(button.background.color, "#5E17CC")
        compare(button.background.border.width, 0)
        sameColour(button.contentItem.color, CusConfig.controlTextColor_pressed)

        button.checked = false
        button.selected = true
        sameColour(button.background.color, CusConfig.controlColor)
        compare(button.background.border.width, 0)
        sameColour(button.contentItem.color, CusConfig.controlTextColor_pressed)

        button.selected = false
        button.enabled = false
        sameColour(button.background.color, CusConfig.controlColor_disabled)
        sameColour(button.contentItem.color, CusConfig.controlTextColor_disabled)
        sameColour(button.background.border.color, CusConfig.controlBorderColor_disabled)
    }

    function test_buttonTooltipOnlyWithText() {
        var button = createTemporaryObject(buttonComponent, testCase)
        var tip = null
        for (var i = 0; i < button.data.length; ++i) {
            if (String(button.data[i]).indexOf("BasicTooltip") === 0)
                tip = button.data[i]
        }
        verify(tip !== null)
        mouseMove(button, 10, 10)
        verify(button.hovered)
        wait(700)
        verify(!tip.visible)
        button.tipText = "Apply the style"
        tryCompare(tip, "visible", true, 2000)
        compare(tip.text, "Apply the style")
        mouseMove(testCase, 300, 300)
        tryCompare(tip, "visible", false, 2000)
    }

    Component {
        id: imageButtonComponent
        CusButton_Image {
            x: 100; y: 100; width: 16; height: 16
            btnImgNormal: "qrc:/image/blackSkin/icon_close_default.png"
            btnImgHovered: "qrc:/image/blackSkin/icon_close_click.png"
        }
    }

    function test_imageButtonPictureFollowsItsState() {
        var button = createTemporaryObject(imageButtonComponent, testCase)
        mouseMove(testCase, 300, 300)
        compare(button.currentImage, "qrc:/image/blackSkin/icon_close_default.png")
        compare(button.contentItem.status, Image.Ready)
        mouseMove(button, 8, 8)
        compare(button.currentImage, "qrc:/image/blackSkin/icon_close_click.png")
        // Without a pressed picture the hovered one stands in; a checked button shows it too.
        mousePress(button, 8, 8)
        compare(button.currentImage, "qrc:/image/blackSkin/icon_close_click.png")
        mouseRelease(button, 8, 8)
        button.btnImgPressed = "qrc:/image/blackSkin/Recording_collapse.png"
        button.checkable = true
        mouseClick(button, 8, 8)
        verify(button.checked)
        mouseMove(testCase, 300, 300)
        compare(button.currentImage, "qrc:/image/blackSkin/Recording_collapse.png")
        button.enabled = false
        compare(button.currentImage, "qrc:/image/blackSkin/icon_close_default.png")
    }

    Component {
        id: comboComponent
        CusComboBox { x: 10; y: 10; model: ["English", "简体中文"] }
    }

    function test_comboBoxShowsItsChoiceAndArrow() {
        var box = createTemporaryObject(comboComponent, testCase)
        compare(box.currentIndex, 0)
        compare(box.displayText, "English")
        compare(box.indicator.source, Qt.resolvedUrl("qrc:/LumenQuick/Images/ComboBox_Down.png"))
        compare(box.indicator.status, Image.Ready)
        box.currentIndex = 1
        compare(box.displayText, "简体中文")
        box.currentIndex = box.find("English")
        compare(box.displayText, "English")
    }

    Component {
        id: coveredComponent
        Item {
            property alias button: button
            property alias area: area
            width: 200; height: 100
            CusButton { id: button; x: 10; y: 10; width: 80; height: 30 }
            TransArea { id: area; target: button }
        }
    }

    function test_transAreaPassesClicksToTheControl() {
        var item = createTemporaryObject(coveredComponent, testCase)
        var spy = createTemporaryObject(spyComponent, testCase, { target: item.button, signalName: "clicked" })
        compare([item.area.x, item.area.y, item.area.width, item.area.height], [10, 10, 80, 30])
        mouseClick(item.button)
        compare(spy.count, 1)
        compare(item.area.cursorShape, Qt.PointingHandCursor)
        item.button.enabled = false
        compare(item.area.cursorShape, Qt.ForbiddenCursor)
        mouseClick(item.button)
        compare(spy.count, 1)
    }

    Component {
        id: inputComponent
        CusTextInput { x: 10; y: 10; width: 100; height: 20 }
    }

    function test_textInputKeepsAtMostSixtyFourCharacters() {
        var input = createTemporaryObject(inputComponent, testCase)
        compare(input.font.pixelSize, CusConfig.fontSizeLevel2)
        sameColour(input.color, CusConfig.textColor)
        input.forceActiveFocus()
        for (var i = 0; i < 70; ++i)
            keyClick(Qt.Key_A)
        compare(input.text.length, 64)
    }

    Component {
        id: textsComponent
        Column {
            property alias t0: t0
            property alias t1: t1
            property alias t2: t2
            property alias t3: t3
            BasicText { id: t0; text: "设备已连接" }
            BasicTextF1 { id: t1; text: "A" }
            BasicTextF2 { id: t2; text: "B" }
            BasicTextF3 { id: t3; text: "C" }
        }
    }

    function test_textVariants() {
        var texts = createTemporaryObject(textsComponent, testCase)
        compare([texts.t0.font.pixelSize, texts.t1.font.pixelSize, texts.t2.font.pixelSize,
                 texts.t3.font.pixelSize], [12, 16, 14, 12])
        sameColour(texts.t0.color, CusConfig.textColor)
        sameColour(texts.t3.color, CusConfig.controlTextColor)
        compare(texts.t2.horizontalAlignment, Text.AlignLeft)
        compare(texts.t0.font.family, "Microsoft YaHei")
        // Where the family is missing a Chinese-capable one must stand in for it.
        verify(["Microsoft YaHei", "WenQuanYi Micro Hei", "Noto Sans CJK SC", "Source Han Sans SC",
                "Droid Sans Fallback"].indexOf(texts.t0.fontInfo.family) >= 0, texts.t0.fontInfo.family)
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }
}
