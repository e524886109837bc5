pragma Singleton
import QtQuick 2.9

// The look of every LumenQuick control: sizes, font and the colours of the current theme.
QtObject {
    id: config
    objectName: "config"

    property string fontFamily: "Microsoft YaHei"
    property int fontSizeLevel1: 16
    property int fontSizeLevel2: 14
    property int fontSizeLevel3: 12
    property int fixedHeight: 30
    property int maximumLength: 64
    property int controlBorderRadius: 2
    property int scrollBarRadius: 2
    property int scrollBarMinLen: 40
    property int scrollBarSize: 10
    property int scrollBarSize_Smaller: 5
    property int tipTextPixel: 12
    property string imagePathPrefix: "file:///./../Images/"
    property int currentTheme: -1
    // Pictures are mipmapped once the scene's first frame is shown: a software renderer spends most of
    // a second preparing the first mipmaps, which the first frame can do without.
    property bool mipmapPictures: false

    // Start with the program's theme already in place, so that the first frame shows no colour animation.
    property color themeColor: "#282A2B"
    property color elementColor: "#5E17CC"
    property color mainBackgroundColor: "#282A2B"
    property color subBackgroundColor: "#383A3E"
    property color textColor: "#FFFFFF"
    property color splitLineColor: "#707070"
    property color invalidColor: "#782c2c"
    property color alterColor: "#383838"
    property color tipBackgroundColor: "#ffffff"
    property color tipBorderColor: "#767676"
    property color controlColor: "#383A3E"
    property color controlBorderColor: "#848484"
    property color imageColor: "#adafb2"
    property color imageColor_disabled: "#989898"
    property color scrollBarBackgroundColor: "#3f3f3f"
    property color scrollBarBackgroundColor_hovered: "#4a4a4a"

    property color controlColor_hovered: controlColor
    property color controlColor_pressed: "#5E17CC"
    property color controlColor_disabled: Qt.lighter(controlColor, 1.2)
    property color sliderColor: "#E5E5E5"
    property color sliderColor_hovered: Qt.lighter(sliderColor, 1.2)
    property color sliderColor_pressed: Qt.darker(sliderColor, 1.2)
    property color sliderColor_disabled: Qt.darker(sliderColor, 2)
    property color controlBorderColor_hovered: Qt.lighter(controlBorderColor, 1.8)
    property color controlBorderColor_pressed: Qt.lighter(controlBorderColor, 1.8)
    property color controlBorderColor_disabled: Qt.darker(controlBorderColor, 1.2)
    property color controlTextColor: controlBorderColor
    property color controlTextColor_hovered: Qt.lighter(controlBorderColor, 1.8)
    property color controlTextColor_pressed: Qt.lighter(controlBorderColor, 1.8)
    property color controlTextColor_disabled: Qt.darker(controlBorderColor, 1.2)
    property color imageColor_hovered: Qt.darker(elementColor, 1.2)
    property color imageColor_pressed: Qt.darker(elementColor, 1.4)
    // The keyboard focus mark: the theme's element colour made light enough to stand out on the dark
    // backgrounds and on a pressed (element-coloured) control alike.
    property color focusColor: Qt.lighter(elementColor, 2.2)
    property int focusWidth: 2

    Behavior on themeColor { ColorAnimation { duration: 400 } }
    Behavior on mainBackgroundColor { ColorAnimation { duration: 400 } }
    Behavior on textColor { ColorAnimation { duration: 400 } }

    readonly property var themeColorNames: [
        "themeColor", "elementColor", "mainBackgroundColor", "subBackgroundColor", "textColor",
        "splitLineColor", "invalidColor", "alterColor", "tipBackgroundColor", "tipBorderColor",
        "controlColor", "controlBorderColor", "imageColor", "imageColor_disabled",
        "scrollBarBackgroundColor", "scrollBarBackgroundColor_hovered"
    ]

    property ListModel themes: ListModel {
        ListElement {
            name: "Red"
            themeColor: "#B22E2E"; elementColor: "#D6453D"
            mainBackgroundColor: "#FFFFFF"; subBackgroundColor: "#F4F4F4"
            textColor: "#333333"; splitLineColor: "#E0E0E0"
            invalidColor: "#F2B8B5"; alterColor: "#FAF0F0"
            tipBackgroundColor: "#ffffff"; tipBorderColor: "#767676"
            controlColor: "#FFFFFF"; controlBorderColor: "#C8C8C8"
            imageColor: "#8C8C8C"; imageColor_disabled: "#C8C8C8"
            scrollBarBackgroundColor: "#D9D9D9"; scrollBarBackgroundColor_hovered: "#C2C2C2"
        }
        ListElement {
            name: "Black"
            themeColor: "#282A2B"; elementColor: "#5E17CC"
            mainBackgroundColor: "#282A2B"; subBackgroundColor: "#383A3E"
            textColor: "#FFFFFF"; splitLineColor: "#707070"
            invalidColor: "#782c2c"; alterColor: "#383838"
            tipBackgroundColor: "#ffffff"; tipBorderColor: "#767676"
            controlColor: "#383A3E"; controlBorderColor: "#848484"
            imageColor: "#adafb2"; imageColor_disabled: "#989898"
            scrollBarBackgroundColor: "#3f3f3f"; scrollBarBackgroundColor_hovered: "#4a4a4a"
        }
        ListElement {
            name: "Pink"
            themeColor: "#D9668C"; elementColor: "#E0487A"
            mainBackgroundColor: "#FFF7FA"; subBackgroundColor: "#FBE9EF"
            textColor: "#4A2A35"; splitLineColor: "#EBCBD6"
            invalidColor: "#E8A0A0"; alterColor: "#FDF1F5"
            tipBackgroundColor: "#ffffff"; tipBorderColor: "#C98AA0"
            controlColor: "#FFFFFF"; controlBorderColor: "#D7A9B9"
            imageColor: "#B07A8C"; imageColor_disabled: "#D9C2CA"
            scrollBarBackgroundColor: "#F0D5DE"; scrollBarBackgroundColor_hovered: "#E6BFCD"
        }
        ListElement {
            name: "Gold"
            themeColor: "#A8842C"; elementColor: "#C99A2E"
            mainBackgroundColor: "#1F1C16"; subBackgroundColor: "#2C2820"
            textColor: "#F3E7C9"; splitLineColor: "#5C5240"
            invalidColor: "#7A3A2A"; alterColor: "#332D22"
            tipBackgroundColor: "#FFF8E6"; tipBorderColor: "#8C7A50"
            controlColor: "#2C2820"; controlBorderColor: "#8C7A50"
            imageColor: "#C9B88F"; imageColor_disabled: "#7D735C"
            scrollBarBackgroundColor: "#3A3328"; scrollBarBackgroundColor_hovered: "#4A4133"
        }
        ListElement {
            name: "Green"
            themeColor: "#2E7D4F"; elementColor: "#2FA866"
            mainBackgroundColor: "#F6FBF8"; subBackgroundColor: "#E7F3EC"
            textColor: "#23382C"; splitLineColor: "#C9DED1"
            invalidColor: "#E3A6A0"; alterColor: "#EEF7F1"
            tipBackgroundColor: "#ffffff"; tipBorderColor: "#7FA08C"
            controlColor: "#FFFFFF"; controlBorderColor: "#A9C7B5"
            imageColor: "#6F8F7C"; imageColor_disabled: "#BFD1C6"
            scrollBarBackgroundColor: "#D3E6DA"; scrollBarBackgroundColor_hovered: "#BFD9C9"
        }
        ListElement {
            name: "Gray"
            themeColor: "#5F6368"; elementColor: "#4D7CC7"
            mainBackgroundColor: "#EDEEF0"; subBackgroundColor: "#E1E3E6"
            textColor: "#202124"; splitLineColor: "#C4C7CC"
            invalidColor: "#D9A3A3"; alterColor: "#E6E7EA"
            tipBackgroundColor: "#ffffff"; tipBorderColor: "#8A8D92"
            controlColor: "#F7F7F8"; controlBorderColor: "#A6A9AE"
            imageColor: "#70757A"; imageColor_disabled: "#B8BBBF"
            scrollBarBackgroundColor: "#CFD2D6"; scrollBarBackgroundColor_hovered: "#BABEC3"
        }
    }

    function applyTheme(index) {
        if (index < 0 || index >= themes.count)
            return
        var entry = themes.get(index)
        for (var i = 0; i < themeColorNames.length; ++i)
            config[themeColorNames[i]] = entry[themeColorNames[i]]
    }

    onCurrentThemeChanged: applyTheme(currentTheme)

    Component.onCompleted: {
        if (typeof LumenQuickImagePath !== "undefined" && LumenQuickImagePath !== null
                && LumenQuickImagePath !== "")
            imagePathPrefix = LumenQuickImagePath
        currentTheme = 1
    }
}
