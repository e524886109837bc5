// The scene as the window shows it: rendered under X at the screen's density, grabbed from the window
// and checked for what a user must see. Set VELORA_SCREENSHOT_DIR to keep the pictures.
#include <QtTest>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QSet>
#include "settings/trans.h"

// Stands in for the main window's scene-facing side until the scene is hosted by the real one.
class StandInLogic : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    double rate = 1.0;
public slots:
    double getScalingRate() { return rate; }
    QString getSoftVersion() { return QStringLiteral("1.0.0.2"); }
    void openRecordWidget(bool) {}
    void showMinimized() {}
    void close() {}
signals:
    void isConnect(bool isConnect, QString devType);
    void screenChanged();
};

class SceneWindow : public QWidget
{
public:
    SceneWindow()
    {
        setWindowFlags(Qt::FramelessWindowHint);
        const double rate = screen()->logicalDotsPerInch() / 96.0;
        resize(int(802 * rate), int(482 * rate));
        view = new QQuickWidget(this);
        // Owned by the view, so that it outlives the scene that calls it.
        logic = new StandInLogic(view);
        logic->rate = rate;
        view->setResizeMode(QQuickWidget::SizeRootObjectToView);
        view->setGeometry(1, 1, int(802 * rate) - 4, int(482 * rate) - 4);
        view->engine()->addImportPath(QStringLiteral("qrc:///"));
        QQmlContext *context = view->rootContext();
        context->setContextProperty(QStringLiteral("LumenQuickImagePath"), QStringLiteral("qrc:/LumenQuick/Images/"));
        context->setContextProperty(QStringLiteral("imgPath"), QStringLiteral("qrc:/image/"));
        context->setContextProperty(QStringLiteral("qmlPath"), QStringLiteral("qrc:/Qml/"));
        context->setContextProperty(QStringLiteral("SoundCard"), QVariant::fromValue<QObject *>(nullptr));
        context->setContextProperty(QStringLiteral("Config"), QVariant::fromValue<QObject *>(nullptr));
        context->setContextProperty(QStringLiteral("MainLogic"), logic);
        trans = new Trans(view->engine(), this);
        context->setContextProperty(QStringLiteral("Tran"), trans);
        view->setSource(QUrl(QStringLiteral("qrc:/Qml/main.qml")));
    }
    QQuickWidget *view = nullptr;
    StandInLogic *logic = nullptr;
    Trans *trans = nullptr;
};

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
    SceneWindow window;
    QVERIFY(window.trans->languageList().contains(language));
    window.trans->reTrans(language);
    QCOMPARE(window.view->status(), QQuickWidget::Ready);
    window.move(0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const double s = window.logic->rate;
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
    const QObject *state = window.view->rootObject()->findChild<QObject *>(QStringLiteral("devStateNoConnect"));
    QVERIFY(state);
    QCOMPARE(state->property("text").toString(),
             language == QLatin1String("English") ? QStringLiteral("No device found") : QStringLiteral("设备未连接"));
    QVERIFY2(distinctColours(shot, shot.rect()) > 50, "the window is blank or nearly one colour");
    QCOMPARE(shot.pixelColor(at(600, 200)), QColor("#282A2B"));
    QCOMPARE(shot.pixelColor(at(120, 200)), QColor("#383A3E"));
    QVERIFY2(distinctColours(shot, picture) > 30, "no device picture on the left");
    QVERIFY2(distinctColours(shot, area(736, 4, 56, 16)) > 5, "no title bar buttons");
    QVERIFY2(distinctColours(shot, area(31, 5, 200, 14)) == 1, "a title before any card");

    for (const QString type : { QStringLiteral("zq05"), QStringLiteral("zq06") }) {
        const QImage before = shot.copy(picture);
        emit window.logic->isConnect(true, type);
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
