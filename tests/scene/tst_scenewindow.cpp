// The scene as the window shows it: rendered under X at the screen's density, grabbed from the window
// and checked for what a user must see. Set VELORA_SCREENSHOT_DIR to keep the pictures.
#include <QtTest>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QSet>

#include "app/mainwidget.h"
#include "settings/trans.h"

class tst_SceneWindow : public QObject
{
    Q_OBJECT
private slots:
    void screenshots_data();
    void screenshots();

};

// The window's own rendering rather than the screen's pixels: other windows on the same X display
// (tests run side by side) may cover it.
static QImage grab(QWidget &window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

static void keep(const QImage &shot, QWidget &window, const QString &name)
{
    const QString dir = qEnvironmentVariable("VELORA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        shot.save(QStringLiteral("%1/%2-%3dpi.png").arg(dir, name).arg(qRound(window.screen()->logicalDotsPerInch())));
}

// The scene's pictures drawn by the component library (which mipmaps them) and those mipmapped now.
static QList<QQuickItem *> libraryPictures(QQuickItem *root)
{
    QList<QQuickItem *> pictures;
    for (QQuickItem *item : root->findChildren<QQuickItem *>()) {
        if (item->inherits("QQuickImage") && QByteArray(item->metaObject()->className()).startsWith("CusImage"))
            pictures << item;
    }
    return pictures;
}

static int picturesOf(QQuickItem *root)
{
    return libraryPictures(root).size();
}

static int mipmappedPictures(QQuickItem *root)
{
    int count = 0;
    for (QQuickItem *item : libraryPictures(root))
        count += item->property("mipmap").toBool() ? 1 : 0;
    return count;
}

static int distinctColours(const QImage &image, const QRect &area)
{
    QSet<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

// True when some pixel of the area is clearly red (or green): the status line's colours.
static bool hasTint(const QImage &image, const QRect &area, bool green)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int lead = green ? c.green() : c.red();
            const int other = green ? std::max(c.red(), c.blue()) : std::max(c.green(), c.blue());
            if (lead > 90 && lead > other + 50)
                return true;
        }
    return false;
}

void tst_SceneWindow::screenshots_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("English");
    QTest::newRow("zh") << QStringLiteral("简体中文");
}

void tst_SceneWindow::screenshots()
{
    QFETCH(QString, language);
    MainWidget window;
    auto *view = window.findChild<QQuickWidget *>();
    QVERIFY(view);
    QCOMPARE(view->status(), QQuickWidget::Ready);
    // The window's own switcher; its first choice depends on the locale. A second one would leave the
    // window's translator installed beside its own.
    auto *trans = qobject_cast<Trans *>(view->rootContext()->contextProperty(QStringLiteral("Tran")).value<QObject *>());
    QVERIFY(trans);
    QVERIFY(trans->languageList().contains(language));
    trans->reTrans(language);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const double s = window.getScalingRate();
    QCOMPARE(s, window.screen()->logicalDotsPerInch() / 96.0);
    // Design coordinates of the 800 x 480 scene to window pixels (the scene sits at (1, 1)).
    auto at = [s](int x, int y) { return QPoint(int(x * s) + 1, int(y * s) + 1); };
    auto area = [s](int x, int y, int w, int h) { return QRect(int(x * s) + 1, int(y * s) + 1, int(w * s), int(h * s)); };
    const QRect status = area(560, 440, 200, 40);
    const QRect picture = area(14, 329, 210, 70);

    // The scene renders and the window composes it some frames after exposure: look until it shows.
    QImage shot;
    QTRY_VERIFY_WITH_TIMEOUT(hasTint(shot = grab(window), status, false), 5000);
    keep(shot, window, QStringLiteral("no-card-") + QTest::currentDataTag());
    QCOMPARE(shot.size(), window.size());
    const QObject *state = view->rootObject()->findChild<QObject *>(QStringLiteral("devStateNoConnect"));
    QVERIFY(state);
    QCOMPARE(state->property("text").toString(),
             language == QLatin1String("English") ? QStringLiteral("No device found") : QStringLiteral("设备未连接"));
    QVERIFY2(distinctColours(shot, shot.rect()) > 50, "the window is blank or nearly one colour");
    QCOMPARE(shot.pixelColor(at(600, 200)), QColor("#282A2B"));
    QCOMPARE(shot.pixelColor(at(120, 200)), QColor("#383A3E"));
    QVERIFY2(distinctColours(shot, picture) > 30, "no device picture on the left");
    // The pictures are mipmapped once the first frame is shown, not left without for good.
    QVERIFY(picturesOf(view->rootObject()) > 0);
    QTRY_COMPARE_WITH_TIMEOUT(mipmappedPictures(view->rootObject()), picturesOf(view->rootObject()), 10000);
    QVERIFY2(distinctColours(shot, area(736, 4, 56, 16)) > 5, "no title bar buttons");
    QVERIFY2(distinctColours(shot, area(31, 5, 200, 14)) == 1, "a title before any card");

    for (const QString &type : { QStringLiteral("zq05"), QStringLiteral("zq06") }) {
        const QImage before = shot.copy(picture);
        QVERIFY(QMetaObject::invokeMethod(&window, "isConnect", Q_ARG(bool, true), Q_ARG(QString, type)));
        // zq05's picture is already shown at start; the next model must replace it.
        QTRY_VERIFY_WITH_TIMEOUT(hasTint(shot = grab(window), status, true)
                                     && (type == QLatin1String("zq05") || shot.copy(picture) != before), 5000);
        keep(shot, window, type + QLatin1Char('-') + QTest::currentDataTag());
        QVERIFY2(!hasTint(shot, status, false), "the red status line stays");
        QVERIFY2(distinctColours(shot, area(31, 5, 200, 14)) > 5, "no title text");
    }
}

QTEST_MAIN(tst_SceneWindow)
#include "tst_scenewindow.moc"
