import QtQuick 2.9
import QtQuick.Controls 2.4
import LumenQuick 1.0
import "../common/bandScale.js" as BandScale

// The user's presets beside the four styles: a button that opens a panel listing them, with Apply,
// Save current as new, Rename, Delete, Import, Export and Store into a style. Names are asked in the
// panel itself; what the store refuses (an empty or repeated name, a bad file) is shown there and
// changes nothing.
CusButton {
    id: menuButton

    // The five values the sliders show now, saved by "Save current".
    property var currentValues: []
    // The four styles' captions, for "Store into".
    property var styleNames: []
    signal styleNamed(int style, string name)
    // Before the panel opens, for the page to fill in styleNames.
    signal opening()

    width: 72
    text: qsTr("预设")
    Accessible.name: qsTr("预设")
    Accessible.description: qsTr("打开预设菜单：应用、保存、重命名、删除、导入、导出或存入风格")
    onClicked: {
        opening()
        panel.open()
    }

    function store() {
        return typeof Presets !== "undefined" && Presets ? Presets : null
    }

    function files() {
        return typeof PresetFiles !== "undefined" && PresetFiles ? PresetFiles : null
    }

    function bandsText(bands) {
        var parts = []
        for (var i = 0; i < bands.length; ++i)
            parts.push(BandScale.decibelText(bands[i]))
        return parts.join("  ") + " dB"
    }

    Popup {
        id: panel
        objectName: "presetPanel"
        x: menuButton.width - width
        y: menuButton.height + 4
        width: 340
        height: 262
        padding: 8
        modal: true
        focus: true
        closePolicy: Popup.CloseOnEscape | Popup.CloseOnPressOutside
        // The scene scales its items to the window; the panel lives above them and follows by hand.
        scale: menuButton.height / 23
        transformOrigin: Popup.TopRight

        // What the panel asks for in its prompt row: "", "save", "rename", "import" or "delete".
        property string mode: ""
        property var importedBands: []
        property var entries: []
        readonly property var chosen: list.currentIndex >= 0 && list.currentIndex < entries.length
                                      ? entries[list.currentIndex] : null
        readonly property bool usable: chosen !== null && !chosen.damaged

        function reload() {
            entries = menuButton.store() ? Presets.list() : []
        }

        function ask(newMode, name, message) {
            mode = newMode
            nameInput.text = name
            note.text = message
            if (newMode === "delete")
                yes.forceActiveFocus()
            else
                nameInput.forceActiveFocus()
        }

        function finish(error) {
            note.text = error
            if (error === "")
                mode = ""
            list.forceActiveFocus()
        }

        function confirm() {
            var store = menuButton.store()
            if (!store)
                return
            if (mode === "save")
                finish(store.save(nameInput.text, menuButton.currentValues))
            else if (mode === "rename")
                finish(store.rename(chosen.name, nameInput.text))
            else if (mode === "import")
                finish(store.save(nameInput.text, importedBands))
            else if (mode === "delete")
                finish(store.remove(chosen.damaged ? chosen.file : chosen.name))
        }

        function importFile() {
            var path = menuButton.files() ? PresetFiles.openPath() : ""
            if (path === "")
                return
            var read = Presets.readImport(path)
            if (read.error !== "") {
                mode = ""
                note.text = read.error
                return
            }
            importedBands = read.bands
            ask("import", read.name, menuButton.bandsText(read.bands) + (read.clamped ? "\n" + read.clamped : ""))
        }

        function exportChosen() {
            var path = menuButton.files() ? PresetFiles.savePath(chosen.name + ".json") : ""
            if (path !== "")
                finish(Presets.exportTo(chosen.name, path))
        }

        function storeInto(style) {
            var error = Presets.storeIntoStyle(chosen.name, style, takeName.checked)
            if (error === "" && takeName.checked)
                menuButton.styleNamed(style, chosen.name)
            finish(error)
        }

        // The keyboard goes back where it was.
        onClosed: menuButton.forceActiveFocus()
        onAboutToShow: {
            reload()
            mode = ""
            note.text = ""
            list.forceActiveFocus()
        }

        Connections {
            target: menuButton.store()
            ignoreUnknownSignals: true
            function onPresetsChanged() { panel.reload() }
        }

        background: Rectangle {
            color: CusConfig.mainBackgroundColor
            border.color: CusConfig.controlBorderColor
            radius: 4
        }

        contentItem: Item {
            ListView {
                id: list
                objectName: "presetList"
                width: parent.width
                height: 66
                clip: true
                model: panel.entries
                activeFocusOnTab: true
                keyNavigationEnabled: true
                highlightMoveDuration: 0
                Accessible.role: Accessible.List
                Accessible.name: qsTr("预设列表")
                Keys.onReturnPressed: apply.activate()
                Keys.onEnterPressed: apply.activate()
                highlight: Rectangle { color: CusConfig.controlColor; radius: 2 }
                delegate: Item {
                    width: list.width
                    height: 20
                    Accessible.role: Accessible.ListItem
                    Accessible.name: modelData.damaged ? qsTr("%1（已损坏：%2）").arg(modelData.file).arg(modelData.reason)
                                                       : modelData.name
                    BasicTextF3 {
                        x: 4
                        width: parent.width * 0.42
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        text: modelData.damaged ? modelData.file : modelData.name
                        color: modelData.damaged ? "#C46A6A" : CusConfig.controlTextColor
                    }
                    BasicTextF3 {
                        x: parent.width * 0.44
                        width: parent.width * 0.56 - 4
                        height: parent.height
                        verticalAlignment: Text.AlignVCenter
                        elide: Text.ElideRight
                        color: "#848484"
                        text: modelData.damaged ? qsTr("已损坏：%1").arg(modelData.reason) : menuButton.bandsText(modelData.bands)
                    }
                    MouseArea {
                        anchors.fill: parent
                        onClicked: list.currentIndex = index
                        onDoubleClicked: apply.activate()
                    }
                }
                BasicTextF3 {
                    anchors.centerIn: parent
                    visible: list.count === 0
                    color: "#848484"
                    text: qsTr("还没有预设")
                }
            }

            Column {
                id: actions
                y: list.height + 6
                width: parent.width
                spacing: 4
                Row {
                    spacing: 4
                    CusButton {
                        id: apply
                        objectName: "presetApply"
                        width: 60
                        text: qsTr("应用")
                        enabled: panel.usable
                        onClicked: {
                            CardControl.applyBands(panel.chosen.bands)
                            panel.close()
                        }
                    }
                    CusButton {
                        objectName: "presetSave"
                        width: 100
                        text: qsTr("保存当前…")
                        Accessible.name: qsTr("把当前频段保存为新预设")
                        onClicked: panel.ask("save", "", qsTr("新预设的名称："))
                    }
                    CusButton {
                        objectName: "presetRename"
                        width: 78
                        text: qsTr("重命名…")
                        enabled: panel.usable
                        onClicked: panel.ask("rename", panel.chosen.name, qsTr("新名称："))
                    }
                    CusButton {
                        objectName: "presetDelete"
                        width: 70
                        text: qsTr("删除…")
                        enabled: panel.chosen !== null
                        onClicked: panel.ask("delete", "", qsTr("删除“%1”？").arg(panel.chosen.damaged ? panel.chosen.file
                                                                                                   : panel.chosen.name))
                    }
                }
                Row {
                    spacing: 4
                    CusButton {
                        objectName: "presetImport"
                        width: 78
                        text: qsTr("导入…")
                        onClicked: panel.importFile()
                    }
                    CusButton {
                        objectName: "presetExport"
                        width: 78
                        text: qsTr("导出…")
                        enabled: panel.usable
                        onClicked: panel.exportChosen()
                    }
                }
                Row {
                    spacing: 4
                    BasicTextF3 {
                        height: 23
                        verticalAlignment: Text.AlignVCenter
                        color: "#848484"
                        text: qsTr("存入风格：")
                    }
                    Repeater {
                        model: menuButton.styleNames
                        CusButton {
                            objectName: "presetToStyle" + index
                            width: 54
                            text: modelData
                            enabled: panel.usable
                            Accessible.name: qsTr("存入风格 %1").arg(modelData)
                            onClicked: panel.storeInto(index)
                        }
                    }
                }
                CusButton {
                    id: takeName
                    objectName: "presetTakeName"
                    width: 210
                    checkable: true
                    text: qsTr("存入时风格也用预设的名称")
                }
            }

            BasicTextF3 {
                id: note
                objectName: "presetNote"
                y: actions.y + actions.height + 6
                width: parent.width
                wrapMode: Text.Wrap
                maximumLineCount: 2
                elide: Text.ElideRight
                color: "#C8C8C8"
            }

            Row {
                y: note.y + note.height + 4
                spacing: 6
                visible: panel.mode !== ""
                Rectangle {
                    width: 160
                    height: 23
                    visible: panel.mode !== "delete"
                    color: CusConfig.controlColor
                    radius: 2
                    CusTextInput {
                        id: nameInput
                        objectName: "presetName"
                        anchors.fill: parent
                        anchors.leftMargin: 4
                        clip: true
                        color: CusConfig.controlTextColor
                        font.pixelSize: CusConfig.fontSizeLevel3
                        Accessible.role: Accessible.EditableText
                        Accessible.name: qsTr("预设名称")
                        Keys.onReturnPressed: panel.confirm()
                        Keys.onEnterPressed: panel.confirm()
                        Keys.onEscapePressed: panel.finish("")
                    }
                }
                CusButton {
                    id: yes
                    objectName: "presetConfirm"
                    width: 56
                    text: panel.mode === "delete" ? qsTr("删除") : qsTr("确定")
                    onClicked: panel.confirm()
                }
                CusButton {
                    objectName: "presetCancel"
                    width: 56
                    text: qsTr("取消")
                    onClicked: panel.finish("")
                }
            }
        }
    }
}
