import QtQuick 2.9
import QtTest 1.2

TestCase {
    id: testCase
    name: "Scene"
    when: windowShown
    visible: true
    width: 800
    height: 480

    // Colours are compared by their text: the same colour may be held in different colour models.
    property color colourProbe
    function sameColour(actual, expected) {
        colourProbe = expected
        compare(String(actual), String(colourProbe))
    }

    // Stand-ins for the objects the main window publishes; each records the calls the scene makes.
    QtObject {
        id: logic
        signal isConnect(bool isConnect, string devType)
        signal cardUnusable(string reason)
        signal screenChanged()
        property real rate: 1
        property var recordCalls: []
        property int minimizeCalls: 0
        property int closeCalls: 0
        function getScalingRate() { return rate }
        function getSoftVersion() { return "7.3.1.9" }
        function openRecordWidget(isOpen) { recordCalls.push(isOpen) }
        function showMinimized() { ++minimizeCalls }
        function close() { ++closeCalls }
    }

    QtObject {
        id: logicWithoutRecorder
        signal isConnect(bool isConnect, string devType)
        signal cardUnusable(string reason)
        signal screenChanged()
        function getScalingRate() { return 1 }
        function getSoftVersion() { return "7.3.1.9" }
        function showMinimized() {}
        function close() {}
    }

    QtObject {
        id: card
        property string serial: "VL05A24017702"
        function getSNCode() { return serial }
        function getDevType() { return "zq05" }
        function getFirmwareVer() { return "V1.00" }
    }

    QtObject {
        id: tran
        property string stored: "English"
        property var reTransCalls: []
        property var languageList: ["English", "简体中文"]
        function getLanguage() { return stored }
        function reTrans(language) { reTransCalls.push(language) }
        function setLanguage(language) { stored = language }
    }

    property var scene: null

    function init() {
        logic.rate = 1
        logic.recordCalls = []
        logic.minimizeCalls = 0
        logic.closeCalls = 0
        tran.reTransCalls = []
        ContextHost.setContextObject("MainLogic", logic)
        ContextHost.setContextObject("SoundCard", card)
        ContextHost.setContextObject("Tran", tran)
        ContextHost.takeWarnings()
    }

    function cleanup() {
        if (scene)
            scene.destroy()
        scene = null
        wait(0)
        ContextHost.setContextObject("SoundCard", null)
        ContextHost.setContextObject("Tran", null)
    }

    function createScene() {
        var component = Qt.createComponent("qrc:/Qml/main.qml")
        compare(component.status, Component.Ready, component.errorString())
        scene = component.createObject(testCase)
        verify(scene !== null)
        return scene
    }

    function part(name) {
        var found = findChild(scene, name)
        verify(found !== null, "no item named " + name)
        return found
    }

    function expectNoWarnings() {
        var warnings = ContextHost.takeWarnings()
        compare(warnings.length, 0, warnings.join("\n"))
    }

    function expectDisconnectedStatus() {
        verify(part("devStateNoConnect").visible)
        verify(!part("devStateConnect").visible)
        compare(part("devStateNoConnect").text, "设备未连接")
        sameColour(part("devStateNoConnect").color, "red")
        compare(part("snText").text, " | SN: ")
        sameColour(part("snText").color, "red")
    }

    function allImages(item, list) {
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i]
            if (child.sourceSize !== undefined && child.status !== undefined)
                list.push(child)
            allImages(child, list)
        }
        return list
    }

    function test_beforeAnyDevice() {
        createScene()
        expectDisconnectedStatus()
        compare(part("titleText").text.trim(), "")
        compare(part("titleText").text.length, 56)
        verify(String(part("devicePicture").source).endsWith("/blackSkin/zq05.png"))
        compare(part("devStateConnect").text, "设备已连接")
        sameColour(part("devStateConnect").color, "green")
        var images = allImages(scene, [])
        verify(images.length >= 6, "logo, three title buttons, device picture and record toggle")
        for (var i = 0; i < images.length; ++i)
            compare(images[i].status, Image.Ready, String(images[i].source))
        // The logo is shown at half the size it is drawn.
        compare(part("logo").width, part("logo").sourceSize.width / 2)
        expectNoWarnings()
    }

    function test_connectAndDisconnect_data() {
        return [
            { tag: "zq05", type: "zq05", name: "Velora Stagemate Arlo " },
            { tag: "zq06", type: "zq06", name: "Velora Stagemate Brio " }
        ]
    }

    function test_connectAndDisconnect(data) {
        createScene()
        logic.isConnect(true, data.type)
        compare(part("titleText").text, data.name + "7.3.1.9")
        verify(String(part("devicePicture").source).endsWith("/blackSkin/" + data.type + ".png"))
        compare(part("devicePicture").status, Image.Ready)
        verify(part("devStateConnect").visible)
        verify(!part("devStateNoConnect").visible)
        compare(part("snText").text, " | SN: VL05A24017702")
        sameColour(part("snText").color, "green")
        compare(part("rightPane").devType, data.type)

        logic.isConnect(false, data.type)
        expectDisconnectedStatus()
        compare(part("titleText").text, data.name + "7.3.1.9")
        verify(String(part("devicePicture").source).endsWith("/blackSkin/" + data.type + ".png"))
        expectNoWarnings()
    }

    function test_secondModelReplacesTheFirst() {
        createScene()
        logic.isConnect(true, "zq05")
        logic.isConnect(false, "zq05")
        card.serial = "VL06B2402000X"
        logic.isConnect(true, "zq06")
        compare(part("titleText").text, "Velora Stagemate Brio 7.3.1.9")
        verify(String(part("devicePicture").source).endsWith("/blackSkin/zq06.png"))
        compare(part("snText").text, " | SN: VL06B2402000X")
        card.serial = "VL05A24017702"
    }

    function test_withoutCardOrForAnUnknownModel() {
        ContextHost.setContextObject("SoundCard", null)
        createScene()
        logic.isConnect(true, "zq09")
        // The serial cannot be read without the model; the title and picture stay as they were.
        verify(part("devStateConnect").visible)
        compare(part("snText").text, " | SN: ")
        sameColour(part("snText").color, "green")
        compare(part("titleText").text.trim(), "")
        verify(String(part("devicePicture").source).endsWith("/blackSkin/zq05.png"))
        compare(part("devicePicture").status, Image.Ready)
        expectNoWarnings()
    }

    function test_titleButtons() {
        createScene()
        var dialog = part("dialogSeting")
        verify(!dialog.visible)
        mouseClick(part("btnSetting"))
        tryCompare(dialog, "opened", true)
        dialog.close()
        tryCompare(dialog, "visible", false)
        mouseClick(part("btnMinimize"))
        compare(logic.minimizeCalls, 1)
        mouseClick(part("btnClose"))
        compare(logic.closeCalls, 1)
        expectNoWarnings()
    }

    function test_recordToggle() {
        createScene()
        var toggle = part("recordToggle")
        verify(String(toggle.currentImage).endsWith("/blackSkin/Recording_expand.png"))
        mouseClick(toggle)
        compare(logic.recordCalls, [true])
        verify(String(toggle.currentImage).endsWith("/blackSkin/Recording_collapse.png"))
        mouseClick(toggle)
        compare(logic.recordCalls, [true, false])
        verify(!toggle.checked)
        expectNoWarnings()
    }

    function test_recordToggleWithoutRecorderHosting() {
        ContextHost.setContextObject("MainLogic", logicWithoutRecorder)
        createScene()
        mouseClick(part("recordToggle"))
        verify(part("recordToggle").checked)
        expectNoWarnings()
    }

    function test_storedLanguageAppliedAtStart() {
        createScene()
        compare(tran.reTransCalls, ["English"])
        scene.destroy()
        scene = null
        ContextHost.setContextObject("Tran", null)
        createScene()
        expectNoWarnings()
    }

    function test_scaledScene() {
        logic.rate = 1.5
        createScene()
        // The main window sizes the scene to its widget; the scaler takes it from there.
        scene.width = 1200
        scene.height = 720
        compare(part("title").height, 36)
        compare(part("leftPanels").width, 360)
        compare(part("rightPane").x, 360)
        compare(part("rightPane").width, 840)
        compare(part("rightPane").height, 684)
        var settings = part("btnSetting")
        compare(settings.mapToItem(scene, 0, 0).x, 1104)
        compare([settings.width, settings.height], [24, 24])
        compare(part("devicePicture").width, 315)
        compare(part("titleText").font.pixelSize, 18)
        compare(part("snText").font.pixelSize, 15)
        var status = part("devStateNoConnect")
        var statusBottom = status.mapToItem(scene, 0, status.height).y
        verify(statusBottom > 690 && statusBottom <= 720, statusBottom)

        // A move to a screen of another density rescales from the design, not from the current size.
        logic.rate = 2
        logic.screenChanged()
        scene.width = 1600
        scene.height = 960
        compare(part("title").height, 48)
        compare(part("rightPane").width, 1120)
        compare(settings.mapToItem(scene, 0, 0).x, 1472)
        compare(part("snText").font.pixelSize, 20)
        logic.rate = 1
        logic.screenChanged()
        scene.width = 800
        scene.height = 480
        compare(part("title").height, 24)
        compare(part("snText").font.pixelSize, 10)
        expectNoWarnings()
    }
}
