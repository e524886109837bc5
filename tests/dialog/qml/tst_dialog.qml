import QtQuick 2.9
import QtTest 1.2
import "qrc:/Qml/settingDialog/contact.js" as Contact

TestCase {
    id: testCase
    name: "SettingsDialog"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    // Stand-ins for the objects the main window publishes; each records what the dialog does with it.
    QtObject {
        id: logic
        signal isConnect(bool isConnect, string devType)
        signal cardUnusable(string reason)
        signal screenChanged()
        property real rate: 1
        function getScalingRate() { return rate }
        function getSoftVersion() { return "1.0.0.2" }
    }

    QtObject {
        id: card
        property string devType: "zq05"
        property string firmware: "V2.07"
        function getDevType() { return devType }
        function getFirmwareVer() { return firmware }
    }

    // Switches the engine's language the way the program's switcher does, re-evaluating the scene's
    // bindings before the choice is stored.
    QtObject {
        id: tran
        property var languageList: ["English", "简体中文"]
        property string stored: "English"
        property var calls: []
        function getLanguage() { return stored }
        function reTrans(language) {
            calls.push("reTrans " + language)
            testCase.languageSwitched = true
            ContextHost.switchLanguage(language === "English" ? "en" : "")
        }
        function setLanguage(language) {
            calls.push("setLanguage " + language)
            stored = language
        }
    }

    property var dialog: null
    property bool languageSwitched: false

    function init() {
        logic.rate = 1
        card.devType = "zq05"
        card.firmware = "V2.07"
        tran.stored = "English"
        tran.calls = []
        ContextHost.setContextObject("MainLogic", logic)
        ContextHost.setContextObject("SoundCard", null)
        ContextHost.setContextObject("Tran", tran)
        ContextHost.takeWarnings()
        ContextHost.takeOpenedUrls()
    }

    function cleanup() {
        if (dialog)
            dialog.destroy()
        dialog = null
        wait(0)
        ContextHost.setContextObject("SoundCard", null)
        if (languageSwitched)
            ContextHost.switchLanguage("")
        languageSwitched = false
        // A retranslation re-evaluates the test case's own bindings too, which the test library
        // reports as a loop; that is the harness, not the dialog.
        var warnings = ContextHost.takeWarnings().filter(function (w) { return w.indexOf("QML TestCase:") < 0 })
        compare(warnings.length, 0, warnings.join("\n"))
    }

    function createDialog() {
        var component = Qt.createComponent("qrc:/Qml/settingDialog/PageSeting.qml")
        compare(component.status, Component.Ready, component.errorString())
        dialog = component.createObject(testCase)
        verify(dialog !== null)
        return dialog
    }

    function openDialog() {
        if (!dialog)
            createDialog()
        dialog.show()
        tryCompare(dialog, "opened", true)
        return dialog
    }

    function part(name, under) {
        var found = findChild(under || dialog.contentItem, name)
        verify(found !== null, "no item named " + name)
        return found
    }

    function tab(index) { return part("tab" + index) }
    function loader() { return part("loader") }
    function page() { return loader().item }
    function pagePart(name) { return part(name, page()) }
    function checkedTabs() { return [0, 1, 2].map(function (i) { return tab(i).checked }) }

    function showTab(index) {
        mouseClick(tab(index))
        verify(page() !== null)
        waitForRendering(page())
    }

    function chooseLanguage(index) {
        var box = pagePart("comboBox")
        mouseClick(box)
        tryCompare(box.popup, "opened", true)
        var list = box.popup.contentItem
        tryVerify(function () { return list.itemAtIndex(index) !== null })
        mouseClick(list.itemAtIndex(index))
        tryCompare(box.popup, "visible", false)
    }

    function test_pageAreaEmptyUntilATabIsClicked() {
        openDialog()
        compare(loader().status, Loader.Null)
        compare(page(), null)
        compare(checkedTabs(), [true, false, false])
        // The heading reaches above the content; it must still be inside the popup, not clipped away.
        var heading = part("settingsHeading")
        compare(heading.text, "设置")
        verify(heading.mapToItem(dialog.background, 0, 0).y >= 0)
        compare(part("tab0").text, "通用设置")

        showTab(0)
        compare(pagePart("text1").text, "型号")
        compare(pagePart("text2").text, "")
        compare(checkedTabs(), [true, false, false])
        showTab(2)
        compare(checkedTabs(), [false, false, true])
        compare(String(loader().source), "qrc:/Qml/settingDialog/helpPage.qml")
        // Clicking the checked tab again keeps it checked and the page shown.
        mouseClick(tab(2))
        compare(checkedTabs(), [false, false, true])
    }

    function test_sizeFollowsTheScalingRate() {
        logic.rate = 1.5
        openDialog()
        compare(dialog.width, 645)
        compare(dialog.height, 432)
        compare(dialog.x, (testCase.width - 645) / 2)
        compare(dialog.y, (testCase.height - 432) / 2)
        compare(loader().width, 480)
        compare(part("tab0").width, 120)
        verify(part("settingsHeading").mapToItem(dialog.background, 0, 0).y >= 0)
        showTab(0)
        compare(pagePart("comboBox").width, 192)
        compare(pagePart("text3").y, 115 * 1.5)

        // Every load and every opening scales from the design values, never from scaled ones.
        dialog.close()
        tryCompare(dialog, "visible", false)
        logic.rate = 1
        logic.screenChanged()
        openDialog()
        compare(dialog.width, 430)
        compare(loader().width, 320)
        compare(part("tab0").width, 80)
        compare(dialog.x, (testCase.width - 430) / 2)
        showTab(1)
        showTab(0)
        compare(pagePart("comboBox").width, 128)
    }

    function test_screenChangeTakesEffectAtTheNextLoadOrOpening() {
        openDialog()
        logic.rate = 1.5
        logic.screenChanged()
        // Nothing is rescaled at once...
        compare(dialog.width, 430)
        compare(loader().width, 320)
        // ...but the next page comes at the new rate, and so does the popup at its next opening.
        showTab(0)
        compare(pagePart("comboBox").width, 192)
        dialog.close()
        tryCompare(dialog, "visible", false)
        openDialog()
        compare(dialog.width, 645)
        compare(loader().width, 480)
    }

    function test_deviceArrivingWhileAboutIsShown() {
        openDialog()
        showTab(1)
        compare(String(loader().source), "qrc:/Qml/settingDialog/aboutPage.qml")
        ContextHost.setContextObject("SoundCard", card)
        card.devType = "zq06"
        logic.isConnect(true, "zq06")
        compare(String(loader().source), "qrc:/Qml/settingDialog/generalPage.qml")
        compare(checkedTabs(), [false, true, false])
        compare(pagePart("text2").text, "Velora Stagemate Brio")
        // A removal changes nothing on the popup.
        logic.isConnect(false, "zq06")
        compare(String(loader().source), "qrc:/Qml/settingDialog/generalPage.qml")
        compare(pagePart("text2").text, "Velora Stagemate Brio")
    }

    function test_modelName_data() {
        return [
            { tag: "zq05", type: "zq05", name: "Velora Stagemate Arlo" },
            { tag: "zq06", type: "zq06", name: "Velora Stagemate Brio" },
            { tag: "unknown", type: "zq07", name: "" },
            { tag: "not strictly zq05", type: "zq05 ", name: "" }
        ]
    }

    function test_modelName(data) {
        ContextHost.setContextObject("SoundCard", card)
        card.devType = data.type
        openDialog()
        showTab(0)
        var text2 = pagePart("text2")
        compare(text2.text, data.name)
        // An unknown model arriving, or a removal, leaves the line as it is.
        logic.isConnect(true, "zq09")
        compare(text2.text, data.name)
        logic.isConnect(false, "")
        compare(text2.text, data.name)
        var other = data.type === "zq06" ? "zq05" : "zq06"
        logic.isConnect(true, other)
        compare(pagePart("text2").text, other === "zq05" ? "Velora Stagemate Arlo" : "Velora Stagemate Brio")
    }

    function test_languageChoice() {
        openDialog()
        showTab(0)
        var box = pagePart("comboBox")
        compare(box.currentIndex, 0)
        compare(box.displayText, "English")

        // The language already in use, chosen again, still goes through both calls.
        chooseLanguage(0)
        compare(tran.calls, ["reTrans English", "setLanguage English"])
        compare(part("tab0").text, "General")

        tran.calls = []
        chooseLanguage(1)
        compare(tran.calls, ["reTrans 简体中文", "setLanguage 简体中文"])
        compare(box.currentIndex, 1)
        compare(box.displayText, "简体中文")
        compare(part("tab0").text, "通用设置")
        compare(pagePart("text3").text, "语言")

        tran.calls = []
        chooseLanguage(0)
        compare(tran.calls, ["reTrans English", "setLanguage English"])
        compare(tran.stored, "English")
        compare(box.currentIndex, 0)
        compare([0, 1, 2].map(function (i) { return tab(i).text }), ["General", "About", "Help"])
        compare(part("settingsHeading").text, "Settings")
        compare(pagePart("text1").text, "Model")
        compare(pagePart("text3").text, "Language")
        compare(checkedTabs(), [true, false, false])

        // The box of a page loaded again starts at the stored choice.
        showTab(1)
        showTab(0)
        compare(pagePart("comboBox").currentIndex, 0)
        tran.stored = "简体中文"
        showTab(1)
        showTab(0)
        compare(pagePart("comboBox").currentIndex, 1)
    }

    function test_noStoredLanguageSelectsNothing() {
        tran.stored = ""
        openDialog()
        showTab(0)
        compare(pagePart("comboBox").currentIndex, -1)
        compare(pagePart("comboBox").displayText, "")
        compare(tran.calls, [])

        ContextHost.setContextObject("Tran", null)
        showTab(1)
        showTab(0)
        compare(pagePart("comboBox").currentIndex, -1)
        compare(pagePart("comboBox").count, 0)
    }

    function test_aboutPageVersions() {
        languageSwitched = true
        verify(ContextHost.switchLanguage("en"))
        openDialog()
        showTab(1)
        compare(pagePart("productLine").text, "Velora PC Control Panel for Windows")
        compare(pagePart("versionLine").text, "Version Number:1.0.0.2")
        compare(pagePart("firmwareLine").text, "Firmware version number:")
        compare(pagePart("contactHeading").text, "Contact Us")

        ContextHost.setContextObject("SoundCard", card)
        showTab(1)
        compare(pagePart("firmwareLine").text, "Firmware version number:V2.07")
        verify(ContextHost.switchLanguage(""))
        compare(pagePart("firmwareLine").text, "固件版本号:V2.07")
        compare(pagePart("versionLine").text, "版本号:1.0.0.2")
    }

    function clickLine(name) {
        var line = pagePart(name)
        mouseClick(line, 10, line.height / 2)
        return ContextHost.takeOpenedUrls()
    }

    // Each line ends inside the popup, which would cut it off.
    function checkLinesFit(names) {
        for (var i = 0; i < names.length; ++i) {
            var line = pagePart(names[i])
            var end = line.mapToItem(dialog.background, line.implicitWidth, 0).x
            verify(end <= dialog.width - 4, names[i] + " ends at " + end + " of " + dialog.width)
        }
    }

    function test_contactLines() {
        openDialog()
        showTab(1)
        compare(pagePart("webSiteLine").text, "官方网站：www.velora-audio.example")
        compare(pagePart("emailLine").text, "邮箱：" + Contact.email)
        verify(pagePart("messagingLine").text.indexOf(Contact.messagingAccount) > 0)
        verify(pagePart("videoLine").text.indexOf(Contact.videoAccount) > 0)
        verify(pagePart("microBlogLine").text.indexOf(Contact.microBlogAccount) > 0)
        checkLinesFit(["productLine", "versionLine", "firmwareLine", "webSiteLine", "emailLine", "messagingLine",
                       "videoLine", "microBlogLine"])
        // The hand shows only over a line that opens something.
        var area = part("linkArea", pagePart("webSiteLine"))
        mouseMove(pagePart("emailLine"), 10, 5)
        tryCompare(area, "cursorShape", Qt.ArrowCursor)
        mouseMove(area, 10, area.height / 2)
        tryCompare(area, "cursorShape", Qt.PointingHandCursor)
        mouseMove(pagePart("emailLine"), 10, 5)
        tryCompare(area, "cursorShape", Qt.ArrowCursor)

        compare(clickLine("webSiteLine"), [Contact.webSite])
        compare(clickLine("emailLine"), [])
        compare(clickLine("messagingLine"), [])
        compare(clickLine("videoLine"), [Contact.videoChannel])
        compare(clickLine("microBlogLine"), [Contact.microBlog])

        // In English the account lines are blank: nothing to see, nothing to click.
        languageSwitched = true
        verify(ContextHost.switchLanguage("en"))
        compare(pagePart("webSiteLine").text, "Official Website: www.velora-audio.example")
        compare(pagePart("emailLine").text, "E-mail Address: " + Contact.email)
        checkLinesFit(["productLine", "versionLine", "firmwareLine", "webSiteLine", "emailLine"])
        var accounts = ["messagingLine", "videoLine", "microBlogLine"]
        for (var i = 0; i < accounts.length; ++i) {
            compare(pagePart(accounts[i]).text, " ")
            var blankArea = part("linkArea", pagePart(accounts[i]))
            verify(!blankArea.enabled, accounts[i] + " can still be clicked")
            compare(clickLine(accounts[i]), [], accounts[i] + " opened an address")
        }
        compare(clickLine("webSiteLine"), [Contact.webSite])
    }

    function test_helpPage_data() {
        return [{ tag: "rate 1", rate: 1 }, { tag: "rate 1.5", rate: 1.5 }]
    }

    function test_helpPage(data) {
        logic.rate = data.rate
        openDialog()
        showTab(2)
        compare(pagePart("faqHeading").text, "常见问题")
        compare(pagePart("question3").text, "Q：手机端直播无声")
        compare(pagePart("moreFaqs").text, "更多常见问题>>")
        var buttons = [0, 1, 2].map(function (i) { return pagePart("helpButton" + i) })
        compare(buttons.map(function (b) { return b.text }), ["帮助中心", "使用手册", "意见反馈"])
        checkCaptionsFit(buttons)

        languageSwitched = true
        verify(ContextHost.switchLanguage("en"))
        compare(pagePart("faqHeading").text, "FAQs")
        compare(pagePart("question0").text,
                "Q:The indicator does not light up after the device is connected to the computer?")
        compare(pagePart("question1").text, "Q: There is no sound when playing music on the computer?")
        compare(pagePart("question2").text, "Q: The microphone does not sound?")
        // The longest question wraps within its line's width instead of running off the page.
        var longest = pagePart("question3")
        compare(longest.text, "Q: There is no sound during live broadcast on mobile phone, and mobile phone "
                              + "audio is externally played?")
        verify(longest.lineCount > 1)
        compare(pagePart("moreFaqs").text, "More FAQs >>")
        compare(buttons.map(function (b) { return b.text }), ["Help Center", "Manual", "Feedback"])
        checkCaptionsFit(buttons)
        // The last button stays inside the popup.
        var right = buttons[2].mapToItem(dialog.background, buttons[2].width, 0).x
        verify(right <= dialog.width, "help buttons end at " + right + " of " + dialog.width)
    }

    function checkCaptionsFit(buttons) {
        for (var i = 0; i < buttons.length; ++i) {
            var caption = buttons[i].contentItem
            verify(caption.implicitWidth <= buttons[i].width,
                   buttons[i].text + " needs " + caption.implicitWidth + " of " + buttons[i].width)
        }
    }
}
