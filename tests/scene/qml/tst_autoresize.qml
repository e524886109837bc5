import QtQuick 2.9
import QtTest 1.2
import "qrc:/Qml/common"

TestCase {
    id: testCase
    name: "AutoResize"
    when: windowShown
    visible: true

    Component {
        id: sceneComponent
        Item {
            id: target
            width: 200
            height: 100
            property alias resizer: resizer
            property alias box: box
            property alias inner: inner
            property alias label: label
            property alias excluded: excluded
            property alias excludedChild: excludedChild
            property alias shallow: shallow
            property alias shallowChild: shallowChild

            AutoResize { id: resizer; targetItem: target }
            Rectangle {
                id: box
                x: 10; y: 20; width: 40; height: 30
                Rectangle { id: inner; x: 4; y: 6; width: 8; height: 10 }
            }
            Text { id: label; x: 100; y: 50; width: 60; height: 20; font.pixelSize: 12; text: "band" }
            Item {
                id: excluded
                objectName: "ingnoreAll"
                x: 150; y: 10; width: 20; height: 20
                Item { id: excludedChild; x: 1; y: 2; width: 3; height: 4 }
            }
            Item {
                id: shallow
                objectName: "ingnoreChildren"
                x: 160; y: 60; width: 30; height: 30
                Item { id: shallowChild; x: 5; y: 5; width: 10; height: 10 }
            }
        }
    }

    function geometry(item) {
        return [item.x, item.y, item.width, item.height]
    }

    function test_beginRecordsTheDesignTree() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        verify(r.isBegin)
        var recorded = r.childrenItemGeometry.map(function (e) { return e.item })
        // Recorded: the scaler itself, box, inner, label and the shallow item; never the excluded
        // subtree nor the shallow item's children.
        compare(recorded.length, 5)
        verify(recorded.indexOf(scene.inner) > recorded.indexOf(scene.box), "depth first, parent before child")
        verify(recorded.indexOf(scene.shallow) >= 0)
        verify(recorded.indexOf(scene.excluded) < 0)
        verify(recorded.indexOf(scene.excludedChild) < 0)
        verify(recorded.indexOf(scene.shallowChild) < 0)
        var labelEntry = r.childrenItemGeometry[recorded.indexOf(scene.label)]
        compare(labelEntry.fontSize, 12)
        compare(labelEntry.centerX, 130)
        compare(labelEntry.centerY, 60)
        compare(r.childrenItemGeometry[recorded.indexOf(scene.box)].fontSize, 0)
        compare(JSON.stringify(r.targetItemGeometry), "{}")
    }

    function test_resizeScalesFromDesignValuesOnly() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        var spy = createTemporaryObject(signalSpy, testCase, { target: r, signalName: "resized" })
        r.horizontalRatio = 1.5
        r.verticalRatio = 2
        r.resize()
        compare(spy.count, 1)
        compare(geometry(scene.box), [15, 40, 60, 60])
        compare(geometry(scene.inner), [6, 12, 12, 20])
        compare(scene.label.font.pixelSize, 18)
        compare(r.fontRatio, 1.5)
        // Resizing again, and at another ratio, starts from the design values each time.
        r.resize()
        compare(geometry(scene.box), [15, 40, 60, 60])
        r.horizontalRatio = 2
        r.verticalRatio = 2
        r.resize()
        compare(geometry(scene.box), [20, 40, 80, 60])
        compare(scene.label.font.pixelSize, 24)
        r.horizontalRatio = 1
        r.verticalRatio = 1
        r.resize()
        compare(geometry(scene.box), [10, 20, 40, 30])
        compare(geometry(scene.inner), [4, 6, 8, 10])
        compare(scene.label.font.pixelSize, 12)
        compare(spy.count, 4)
    }

    function test_exclusionMarkers() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        r.horizontalRatio = 2
        r.verticalRatio = 2
        r.resize()
        compare(geometry(scene.excluded), [150, 10, 20, 20])
        compare(geometry(scene.excludedChild), [1, 2, 3, 4])
        compare(geometry(scene.shallow), [320, 120, 60, 60])
        compare(geometry(scene.shallowChild), [5, 5, 10, 10])
    }

    function test_fixedAspectCentreAndFontModes() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        r.horizontalRatio = 2
        r.verticalRatio = 1
        r.fixedAspectRatio = true
        r.resize()
        compare(geometry(scene.box), [20, 20, 40, 30])

        r.fixedAspectRatio = false
        r.accordingToX = false
        r.resize()
        // Centre (30, 35) scaled to (60, 35); the new 80 x 30 box is placed around it.
        compare(geometry(scene.box), [20, 20, 80, 30])

        compare(scene.label.font.pixelSize, 12)
        r.fontAccordingToMax = true
        r.fontSizeScaleFactor = 1.25
        r.resize()
        compare(r.fontRatio, 2)
        compare(scene.label.font.pixelSize, 30)
    }

    function test_nothingHappensWhenSwitchedOffOrNotBegun() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        var spy = createTemporaryObject(signalSpy, testCase, { target: r, signalName: "resized" })
        r.horizontalRatio = 3
        r.verticalRatio = 3
        r.ifAutoResize = false
        r.resize()
        scene.width = 600
        compare(geometry(scene.box), [10, 20, 40, 30])
        r.ifAutoResize = true
        r.isBegin = false
        r.resize()
        scene.height = 300
        compare(geometry(scene.box), [10, 20, 40, 30])
        compare(scene.label.font.pixelSize, 12)
        compare(spy.count, 0)
    }

    function test_targetSizeChangeResizes() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        r.horizontalRatio = 1.5
        r.verticalRatio = 1.5
        scene.width = 300
        compare(geometry(scene.box), [15, 30, 60, 45])
    }

    function test_beginAgainRecordsTheCurrentValues() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        scene.box.width = 100
        r.begin()
        r.horizontalRatio = 2
        r.resize()
        compare(scene.box.width, 200)
    }

    function test_destroyedItemsAreSkipped() {
        var scene = createTemporaryObject(sceneComponent, testCase)
        var r = scene.resizer
        scene.inner.destroy()
        wait(0)
        r.horizontalRatio = 2
        r.verticalRatio = 2
        r.resize()
        compare(geometry(scene.box), [20, 40, 80, 60])
    }

    Component {
        id: signalSpy
        SignalSpy {}
    }
}
