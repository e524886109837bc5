import QtQuick 2.9
import QtTest 1.2
import LumenQuick 1.0

TestCase {
    id: testCase
    name: "CusConfig"

    // Colours are compared by their text: the same colour may be held in different colour models.
    property color colourProbe
    function sameColour(actual, expected) {
        colourProbe = expected
        compare(String(actual), String(colourProbe))
    }

    readonly property var colourNames: [
        "themeColor", "elementColor", "mainBackgroundColor", "subBackgroundColor", "textColor",
        "splitLineColor", "invalidColor", "alterColor", "tipBackgroundColor", "tipBorderColor",
        "controlColor", "controlBorderColor", "imageColor", "imageColor_disabled",
        "scrollBarBackgroundColor", "scrollBarBackgroundColor_hovered"
    ]

    function cleanup() {
        CusConfig.currentTheme = 1
        tryVerify(function () { return Qt.colorEqual(CusConfig.mainBackgroundColor, "#282A2B") }, 2000, "mainBackgroundColor")
        tryVerify(function () { return Qt.colorEqual(CusConfig.textColor, "#FFFFFF") }, 2000, "textColor")
        tryVerify(function () { return Qt.colorEqual(CusConfig.themeColor, "#282A2B") }, 2000, "themeColor")
    }

    function test_startsWithTheBlackThemeAndTheLibraryPictures() {
        compare(CusConfig.currentTheme, 1)
        compare(CusConfig.themes.get(1).name, "Black")
        compare(CusConfig.imagePathPrefix, "qrc:/LumenQuick/Images/")
        compare(CusConfig.fontFamily, "Microsoft YaHei")
        compare(CusConfig.maximumLength, 64)
        sameColour(CusConfig.mainBackgroundColor, "#282A2B")
        sameColour(CusConfig.subBackgroundColor, "#383A3E")
        sameColour(CusConfig.elementColor, "#5E17CC")
        sameColour(CusConfig.controlBorderColor, "#848484")
        sameColour(CusConfig.controlTextColor, "#848484")
        sameColour(CusConfig.controlTextColor_hovered, Qt.lighter("#848484", 1.8))
        sameColour(CusConfig.controlColor_disabled, Qt.lighter("#383A3E", 1.2))
        sameColour(CusConfig.imageColor_pressed, Qt.darker("#5E17CC", 1.4))
        sameColour(CusConfig.sliderColor_disabled, Qt.darker("#E5E5E5", 2))
    }

    function test_switchingThemesCopiesAllSixteenColours_data() {
        var rows = []
        for (var i = 0; i < 6; ++i)
            rows.push({ tag: CusConfig.themes.get(i).name, index: i })
        return rows
    }

    function test_switchingThemesCopiesAllSixteenColours(data) {
        // Leave the running theme first, so that every row really copies something.
        CusConfig.currentTheme = data.index === 0 ? 2 : 0
        CusConfig.currentTheme = data.index
        var entry = CusConfig.themes.get(data.index)
        for (var i = 0; i < colourNames.length; ++i) {
            var name = colourNames[i]
            tryVerify(function () { return Qt.colorEqual(CusConfig[name], entry[name]) }, 2000,
                      name + " of " + entry.name)
        }
        // Colours derived from the theme follow it.
        sameColour(CusConfig.controlTextColor, entry.controlBorderColor)
        sameColour(CusConfig.controlBorderColor_disabled, Qt.darker(entry.controlBorderColor, 1.2))
        sameColour(CusConfig.controlColor_hovered, entry.controlColor)
    }

    function test_backgroundAndTextColoursAnimate() {
        CusConfig.currentTheme = 0
        // Other colours jump at once; these three take 400 ms to get there.
        sameColour(CusConfig.subBackgroundColor, CusConfig.themes.get(0).subBackgroundColor)
        verify(!Qt.colorEqual(CusConfig.mainBackgroundColor, CusConfig.themes.get(0).mainBackgroundColor))
        verify(!Qt.colorEqual(CusConfig.textColor, CusConfig.themes.get(0).textColor))
        tryVerify(function () { return Qt.colorEqual(CusConfig.mainBackgroundColor,
                                                     CusConfig.themes.get(0).mainBackgroundColor) }, 2000)
    }

    function test_unknownThemeIndexKeepsTheColours() {
        CusConfig.currentTheme = 9
        sameColour(CusConfig.mainBackgroundColor, "#282A2B")
        sameColour(CusConfig.elementColor, "#5E17CC")
    }
}
