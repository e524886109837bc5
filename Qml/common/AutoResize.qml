import QtQuick 2.9

// Scales the geometry and fonts of every item below targetItem from the values they had when begin() ran.
// Scaling always starts from those recorded design values, so repeated resizes never accumulate.
Item {
    id: globalResize

    property var targetItem: parent
    property bool fixedAspectRatio: false
    property bool accordingToX: true
    property bool fontAccordingToMax: false
    property bool ifAutoResize: true
    property string ingnoreAll: "ingnoreAll"
    property string ingnoreChildren: "ingnoreChildren"
    property real horizontalRatio: 1.0
    property real verticalRatio: 1.0
    property real fontRatio: 1.0
    property var targetItemGeometry
    property var childrenItemGeometry
    property var childrenText
    property real fontSizeScaleFactor: 1.0
    property bool isBegin: false

    signal resized()

    function hasFont(item) {
        return item.font !== undefined && item.font !== null && item.font.pixelSize !== undefined
    }

    function begin() {
        targetItemGeometry = {}
        var list = []
        if (targetItem)
            getAllChildren(list, targetItem)
        childrenItemGeometry = list
        isBegin = true
    }

    function getAllChildren(_childrenItemGeometry, target) {
        var children = target.children
        for (var i = 0; i < children.length; ++i) {
            var child = children[i]
            if (child.objectName === ingnoreAll)
                continue
            _childrenItemGeometry.push({
                item: child,
                name: child.objectName,
                x: child.x,
                y: child.y,
                centerX: child.x + child.width / 2,
                centerY: child.y + child.height / 2,
                width: child.width,
                height: child.height,
                fontSize: hasFont(child) ? child.font.pixelSize : 0
            })
            if (child.objectName !== ingnoreChildren)
                getAllChildren(_childrenItemGeometry, child)
        }
    }

    function resize() {
        if (!isBegin || !ifAutoResize)
            return
        var smaller = Math.min(horizontalRatio, verticalRatio)
        fontRatio = fontAccordingToMax ? Math.max(horizontalRatio, verticalRatio) : smaller
        for (var i = 0; i < childrenItemGeometry.length; ++i) {
            var entry = childrenItemGeometry[i]
            var item = entry.item
            if (!item)
                continue
            item.width = entry.width * (fixedAspectRatio ? smaller : horizontalRatio)
            item.height = entry.height * (fixedAspectRatio ? smaller : verticalRatio)
            if (accordingToX) {
                item.x = entry.x * horizontalRatio
                item.y = entry.y * verticalRatio
            } else {
                item.x = entry.centerX * horizontalRatio - item.width / 2
                item.y = entry.centerY * verticalRatio - item.height / 2
            }
            if (entry.fontSize > 0)
                item.font.pixelSize = Math.max(1, Math.floor(entry.fontSize * fontRatio * fontSizeScaleFactor))
        }
        resized()
    }

    Connections {
        target: globalResize.targetItem
        enabled: globalResize.isBegin
        function onWidthChanged() { globalResize.resize() }
        function onHeightChanged() { globalResize.resize() }
    }

    Component.onCompleted: begin()
}
