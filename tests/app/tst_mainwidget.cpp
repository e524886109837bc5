#include "app/mainwidget.h"
#include "recorder/recordwidget.h"

#include <QApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWidget>
#include <QScreen>
#include <QtTest>

class TestMainWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void hostsTheScene();
    void scalesWithScreenDpi_data();
    void scalesWithScreenDpi();
    void dragsByTopStrip();
    void dpiChangeAfterCloseIsHarmless();
    void hostsTheRecorder_data();
    void hostsTheRecorder();
    void recordToggleOpensTheRecorder();
    void recorderInputFollowsTheCard();
};

void TestMainWidget::initTestCase()
{
    // The suite starts the widget on a screen forced to 120 dpi: a scaling rate of 1.25.
    QCOMPARE(qgetenv("QT_FONT_DPI"), QByteArray("120"));
}

void TestMainWidget::hostsTheScene()
{
    MainWidget w;
    QCOMPARE(w.getScalingRate(), 1.25);
    QCOMPARE(w.size(), QSize(1002, 602));
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(w.testAttribute(Qt::WA_TranslucentBackground));

    auto *scene = w.findChild<QQuickWidget *>();
    QVERIFY(scene);
    QCOMPARE(scene->parentWidget(), w.findChild<QWidget *>(QStringLiteral("root")));
    QCOMPARE(scene->geometry(), QRect(1, 1, 998, 598));
    QCOMPARE(scene->status(), QQuickWidget::Ready);
    QVERIFY(scene->engine()->importPathList().contains(QStringLiteral("qrc:///")));

    // What the scene sees of its backend.
    QQmlExpression expr(scene->rootContext(), nullptr,
                        QStringLiteral("[LumenQuickImagePath, imgPath, qmlPath, SoundCard === null,"
                                       " typeof Config !== 'undefined', typeof Tran !== 'undefined',"
                                       " MainLogic.getSoftVersion(), MainLogic.getScalingRate()].join('|')"));
    QCOMPARE(expr.evaluate().toString(),
             QStringLiteral("qrc:/LumenQuick/Images/|qrc:/image/|qrc:/Qml/|true|true|true|1.0.0.2|1.25"));
    QVERIFY(!expr.hasError());

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTRY_COMPARE(scene->rootObject()->width(), 998.0);
    // The root panel's frame and background show in the two columns right of the scene.
    const QImage shot = w.grab().toImage();
    QCOMPARE(QColor(shot.pixel(1000, 300)).name(), QStringLiteral("#282a2b"));
    QCOMPARE(QColor(shot.pixel(1001, 300)).name(), QStringLiteral("#444444"));
}

void TestMainWidget::scalesWithScreenDpi_data()
{
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("scene");
    QTest::newRow("1.0") << qreal(96) << QSize(802, 482) << QSize(798, 478);
    QTest::newRow("1.25") << qreal(120) << QSize(1002, 602) << QSize(998, 598);
    QTest::newRow("1.5") << qreal(144) << QSize(1203, 723) << QSize(1199, 719);
    QTest::newRow("2.0") << qreal(192) << QSize(1604, 964) << QSize(1600, 960);
}

void TestMainWidget::scalesWithScreenDpi()
{
    QFETCH(qreal, dpi);
    QFETCH(QSize, window);
    QFETCH(QSize, scene);
    MainWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QSignalSpy changed(&w, &MainWidget::screenChanged);
    emit w.screen()->logicalDotsPerInchChanged(dpi);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(w.getScalingRate(), dpi / 96);
    QCOMPARE(w.size(), window);
    QCOMPARE(w.findChild<QQuickWidget *>()->geometry(), QRect(QPoint(1, 1), scene));
    QCOMPARE(MainWidget::dragStrip(dpi / 96), QRect(0, 0, window.width(), int(25 * dpi / 96)));
}

void TestMainWidget::dragsByTopStrip()
{
    MainWidget w;
    w.move(100, 100);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWindow *window = w.windowHandle();
    QSignalSpy changed(&w, &MainWidget::screenChanged);

    // Presses reach the window through the scene, which leaves them to it.
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(window, QPoint(250, 40));
    QTRY_COMPARE(w.pos(), QPoint(150, 130));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200, 10));
    QTest::mouseMove(window, QPoint(260, 60));
    QCOMPARE(w.pos(), QPoint(150, 130));

    // The strip's last row at 1.25 is y = 30; one below is the scene's own.
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(500, 31));
    QTest::mouseMove(window, QPoint(520, 51));
    QCOMPARE(w.pos(), QPoint(150, 130));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(520, 51));
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(500, 30));
    QTest::mouseMove(window, QPoint(510, 40));
    QTRY_COMPARE(w.pos(), QPoint(160, 140));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(500, 30));

    // A press on the very corner pixel gives the offset (0, 0), which means no drag.
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(0, 0));
    QTest::mouseMove(window, QPoint(40, 40));
    QCOMPARE(w.pos(), QPoint(160, 140));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(40, 40));

    // Releases on the starting screen never rescale.
    QCOMPARE(changed.count(), 0);
    QCOMPARE(w.getScalingRate(), 1.25);
}

void TestMainWidget::dpiChangeAfterCloseIsHarmless()
{
    auto *w = new MainWidget;
    QScreen *screen = w->screen();
    delete w;
    emit screen->logicalDotsPerInchChanged(144);
    MainWidget other;
    QCOMPARE(other.getScalingRate(), 1.25);
}

void TestMainWidget::hostsTheRecorder_data()
{
    QTest::addColumn<qreal>("dpi");
    QTest::addColumn<QSize>("closed");
    QTest::addColumn<QSize>("open");
    QTest::addColumn<QRect>("panel");
    QTest::newRow("1.25") << qreal(120) << QSize(1002, 602) << QSize(1002, 789) << QRect(1, 602, 1002, 187);
    QTest::newRow("1.5") << qreal(144) << QSize(1203, 723) << QSize(1203, 948) << QRect(1, 723, 1203, 225);
}

// The panel waits hidden below the scene; opening it makes the window tall enough to show it, and
// a rescale while it is open gives the window back its closed height, the panel moving with it.
void TestMainWidget::hostsTheRecorder()
{
    QFETCH(qreal, dpi);
    QFETCH(QSize, closed);
    QFETCH(QSize, open);
    QFETCH(QRect, panel);
    MainWidget w;
    auto *recorder = w.findChild<RecordWidget *>();
    QVERIFY(recorder);
    QCOMPARE(recorder->parentWidget(), w.findChild<QWidget *>(QStringLiteral("root")));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!recorder->isVisible());
    if (dpi != 120)
        emit w.screen()->logicalDotsPerInchChanged(dpi);
    QCOMPARE(w.size(), closed);
    QCOMPARE(recorder->geometry(), panel);
    QVERIFY(!recorder->isVisible());
    // The multimedia backend is loaded with the panel, not with the window.
    QVERIFY(!recorder->recorder() && !recorder->player());

    w.openRecordWidget(true);
    w.openRecordWidget(true);
    QCOMPARE(w.size(), open);
    QVERIFY(recorder->isVisible());
    QVERIFY(recorder->recorder() && recorder->player());
    QCOMPARE(recorder->geometry(), panel);
    QCOMPARE(w.findChildren<RecordWidget *>().size(), 1);

    w.openRecordWidget(false);
    QCOMPARE(w.size(), closed);
    QVERIFY(!recorder->isVisible());

    w.openRecordWidget(true);
    emit w.screen()->logicalDotsPerInchChanged(96);
    QCOMPARE(w.size(), QSize(802, 482));
    QCOMPARE(recorder->geometry(), QRect(1, 482, 802, 150));
    QVERIFY(recorder->isVisible());
    w.openRecordWidget(true);
    QCOMPARE(w.size(), QSize(802, 632));
}

// The scene's toggle in the right panel's corner opens the recorder and closes it again.
void TestMainWidget::recordToggleOpensTheRecorder()
{
    MainWidget w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *scene = w.findChild<QQuickWidget *>();
    QTRY_COMPARE(scene->rootObject()->width(), 998.0);
    auto *recorder = w.findChild<RecordWidget *>();
    QQuickItem *toggle = nullptr;
    for (QQuickItem *item : scene->rootObject()->findChildren<QQuickItem *>()) {
        if (item->property("btnImgNormal").toString().endsWith(QLatin1String("Recording_expand.png")))
            toggle = item;
    }
    QVERIFY(toggle);
    const QPoint centre = toggle->mapToScene(QPointF(toggle->width() / 2, toggle->height() / 2)).toPoint();
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, scene->mapTo(&w, centre));
    QTRY_VERIFY(recorder->isVisible());
    QCOMPARE(w.size(), QSize(1002, 789));
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, scene->mapTo(&w, centre));
    QTRY_VERIFY(!recorder->isVisible());
    QCOMPARE(w.size(), QSize(1002, 602));
}

// The recorder is told the card's input as soon as a card arrives, and the default when it goes.
void TestMainWidget::recorderInputFollowsTheCard()
{
    MainWidget w;
    auto *recorder = w.findChild<RecordWidget *>();
    QCOMPARE(recorder->inputDevName(), QStringLiteral("Default"));
    QMetaObject::invokeMethod(&w, "onDevArrivalOrRemove", Q_ARG(QString, QStringLiteral("zq05")), Q_ARG(bool, true),
                              Q_ARG(int, 0x1234), Q_ARG(int, 0x5678));
    // No input carries these ids, which leaves the choice to the system.
    QCOMPARE(recorder->inputDevName(), QStringLiteral("Default"));
    QMetaObject::invokeMethod(&w, "onDevArrivalOrRemove", Q_ARG(QString, QStringLiteral("zq05")), Q_ARG(bool, false),
                              Q_ARG(int, 0x1234), Q_ARG(int, 0x5678));
    QCOMPARE(recorder->inputDevName(), QStringLiteral("Default"));
}

QTEST_MAIN(TestMainWidget)
#include "tst_mainwidget.moc"
