#include "waveformtesting.h"
#include "recorder/chartbar.h"
#include "recorder/chartzoom.h"
#include "recorder/levelhistory.h"
#include "recorder/waveformframe.h"
#include "recorder/waveformwidget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>
#include <QtTest>

#include <limits>

namespace {

using namespace colours;
using input::drag;
using input::mouse;
using pixels::Runs;

// What a pixel becomes under the selection highlight.
bool isHighlighted(const QImage &after, const QImage &before, int x, int y)
{
    const QColor b(before.pixel(x, y));
    const QColor a(after.pixel(x, y));
    auto blend = [](int under, int over) { return (over * 150 + under * (255 - 150)) / 255; };
    return qAbs(a.red() - blend(b.red(), 235)) <= 2 && qAbs(a.green() - blend(b.green(), 239)) <= 2
           && qAbs(a.blue() - blend(b.blue(), 255)) <= 2;
}

// Ctrl and the wheel turned one notch (negative: towards the user) over the chart's x.
void ctrlWheel(QWidget *chart, int x, int notches)
{
    const QPointF pos(x, 100);
    QWheelEvent event(pos, chart->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(chart, &event);
}

} // namespace

class TestWaveformWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void strokesSitInTheirLanes();
    void blocksWithoutPairsDrawOnlyWhatTheyHold();
    void geometryFollowsLaneCountAndHeight();
    void backgroundAndTimeRuler();
    void pressMovesTheCursorAndThePlayPosition();
    void selectingAndCuttingASpan();
    void cuttingIsRefusedWhileRecording();
    void onlyTheHighlightedSpanIsCut();
    void keysSelectAndCutAsTheMouseDoes();
    void timesFollowTheSampleRate();
    void clearForgetsColumnsAndSelection();
    void zoomKeepsTheSelectedPulseAndFitShowsTheWholeTake();
    void aTypedSelectionIsCutAsTyped();

private:
    WaveformWidget *m_widget = nullptr;
};

void TestWaveformWidget::init()
{
    m_widget = new WaveformWidget;
    m_widget->resize(700, 230);
    m_widget->show();
    m_widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_widget));
    QCOMPARE(m_widget->laneHeight(), 100);
}

void TestWaveformWidget::cleanup()
{
    delete m_widget;
}

void TestWaveformWidget::strokesSitInTheirLanes()
{
    WaveformWidget &w = *m_widget;
    w.appendLevels({0.5, -0.5, 1.0, -1.0});
    QCOMPARE(w.nextX(), 41);
    // The cursor follows the drawing and covers the newest column.
    QImage image = pixels::grab(&w);
    QVERIFY(pixels::is(image, 40, 100, Cursor));
    QVERIFY(pixels::is(image, 39, 100, Cursor));

    w.appendLevels({0.0, 0.0, 0.2, 0.2});
    w.setPlayPos(10000);
    image = pixels::grab(&w);
    QCOMPARE(pixels::runs(image, 40, Wave), (Runs{{45, 94}, {131, 229}}));
    QCOMPARE(pixels::runs(image, 41, Wave), (Runs{{70, 70}, {170, 170}}));
    QVERIFY(pixels::runs(image, 42, Wave).isEmpty());
    // The cursor of 10 s: 25 px per second from the margin, drawn one step left, 2 px wide.
    QCOMPARE(w.cursorX(), 290);
    QCOMPARE(pixels::runs(image, 289, Cursor), (Runs{{0, 229}}));
    QCOMPARE(pixels::runs(image, 288, Cursor), (Runs{{0, 229}}));
    QVERIFY(pixels::runs(image, 287, Cursor).isEmpty());
    QVERIFY(pixels::runs(image, 290, Cursor).isEmpty());
    QVERIFY(pixels::runs(image, 40, Cursor).isEmpty());
}

void TestWaveformWidget::blocksWithoutPairsDrawOnlyWhatTheyHold()
{
    WaveformWidget &w = *m_widget;
    const double inf = std::numeric_limits<double>::infinity();
    w.appendLevels({});
    w.appendLevels({0.5});
    w.appendLevels({0.5, -0.5});
    w.appendLevels({0.5, -0.5, 0.5, -0.5, 1.0, -1.0});
    w.appendLevels({inf, -inf, std::numeric_limits<double>::quiet_NaN(), 0.0});
    QCOMPARE(w.columnCount(), 5);
    QCOMPARE(w.nextX(), 45);
    w.setPlayPos(10000);
    const QImage image = pixels::grab(&w);
    QVERIFY(pixels::runs(image, 40, Wave).isEmpty());
    QVERIFY(pixels::runs(image, 41, Wave).isEmpty());
    QCOMPARE(pixels::runs(image, 42, Wave), (Runs{{45, 94}}));
    QCOMPARE(pixels::runs(image, 43, Wave), (Runs{{45, 94}, {155, 204}}));
    // Levels without bounds run off the widget instead of wrapping around.
    QCOMPARE(pixels::runs(image, 44, Wave), (Runs{{0, 229}}));
}

void TestWaveformWidget::geometryFollowsLaneCountAndHeight()
{
    WaveformWidget &w = *m_widget;
    w.appendLevels({0.5, -0.5, 1.0, -1.0});
    w.setPlayPos(10000);

    w.setLaneCount(1);
    QCOMPARE(w.laneHeight(), 210);
    QCOMPARE(pixels::runs(pixels::grab(&w), 40, Wave), (Runs{{73, 176}}));
    w.setLaneCount(0);  // taken as one lane
    QCOMPARE(w.laneCount(), 1);
    QCOMPARE(w.laneHeight(), 210);

    w.setLaneCount(3);
    QCOMPARE(w.laneHeight(), 63);
    QImage image = pixels::grab(&w);
    QCOMPARE(pixels::runs(image, 40, Wave), (Runs{{35, 66}, {93, 154}}));
    // Lane bars: outlined at y 83, 156 and 229, filled between, from x 40 on.
    for (int top : {83, 156}) {
        QVERIFY(pixels::is(image, 300, top, Border));
        QVERIFY(pixels::is(image, 300, top + 5, LaneBar));
        QVERIFY(pixels::is(image, 39, top + 5, Background));
    }

    w.setLaneCount(2);
    w.resize(700, 330);
    QTRY_COMPARE(w.height(), 330);
    QCOMPARE(w.laneHeight(), 150);
    image = pixels::grab(&w);
    QCOMPARE(pixels::runs(image, 40, Wave), (Runs{{58, 131}, {181, 328}}));
}

void TestWaveformWidget::backgroundAndTimeRuler()
{
    WaveformWidget &w = *m_widget;
    const QImage image = pixels::grab(&w);
    QVERIFY(pixels::is(image, 300, 60, Background));
    QVERIFY(pixels::is(image, 20, 60, Background));
    QVERIFY(pixels::is(image, 300, 120, Border));
    QVERIFY(pixels::is(image, 300, 125, LaneBar));
    QVERIFY(pixels::is(image, 30, 125, Background));
    QVERIFY(pixels::is(image, 300, 19, Ruler));

    // Labels 0 to 26 fit a 700-px ruler, each centred under its whole-second tick.
    int oneDigitWidth = 0;
    int twoDigitWidth = 0;
    for (int second = 0; second <= 26; ++second) {
        const int x = 40 + 25 * second;
        // Whole-second ticks 6 px long, half-second ticks 3 px (the last one is beyond the edge).
        for (int y = 0; y <= 6; ++y) {
            QVERIFY(pixels::is(image, x, y, RulerText));
            QVERIFY(x + 12 >= w.width() || pixels::is(image, x + 12, y, y <= 3 ? RulerText : Ruler));
        }
        const QPair<int, int> label = pixels::extentOfOther(image, QRect(x - 11, 8, 23, 10), Ruler);
        QVERIFY2(label.first >= 0, qPrintable(QString("no label at second %1").arg(second)));
        QVERIFY(qAbs((label.first + label.second) / 2 - x) <= 2);
        int &width = second < 10 ? oneDigitWidth : twoDigitWidth;
        width = qMax(width, label.second - label.first + 1);
    }
    QVERIFY(oneDigitWidth >= 4);
    QVERIFY(twoDigitWidth > oneDigitWidth + 3);
}

void TestWaveformWidget::pressMovesTheCursorAndThePlayPosition()
{
    WaveformWidget &w = *m_widget;
    QSignalSpy position(&w, &WaveformWidget::s_posChange);
    mouse(&w, QEvent::MouseButtonPress, 20, Qt::LeftButton);
    QCOMPARE(position.count(), 1);
    QCOMPARE(position.last().first().toDouble(), -800.0);
    QCOMPARE(w.cursorX(), 40);
    QImage image = pixels::grab(&w);
    QVERIFY(pixels::is(image, 39, 100, Cursor));
    QVERIFY(pixels::is(image, 38, 100, Cursor));
    QVERIFY(!pixels::is(image, 40, 100, Cursor));
    QCOMPARE(QApplication::focusWidget(), &w);

    mouse(&w, QEvent::MouseButtonPress, 116, Qt::LeftButton);
    QCOMPARE(position.last().first().toDouble(), 3040.0);
    image = pixels::grab(&w);
    QVERIFY(pixels::is(image, 115, 100, Cursor));
    QVERIFY(!pixels::is(image, 39, 100, Cursor));
}

void TestWaveformWidget::selectingAndCuttingASpan()
{
    WaveformWidget &w = *m_widget;
    for (int i = 0; i < 200; ++i)
        w.appendLevels({(i % 10) / 10.0, -0.3, 0.4, -(i % 7) / 7.0});
    QStringList events;
    int columnsAtCut = -1;
    // The cut runs in the background: the chart keeps showing the version until it is redrawn.
    connect(&w, &WaveformWidget::s_cutAudio, this, [&](double start, double end) {
        events << QString("cut %1 %2").arg(start).arg(end);
        columnsAtCut = w.columnCount();
    });
    connect(&w, &WaveformWidget::s_posChange, this, [&](double ms) { events << QString("pos %1").arg(ms); });

    const QImage before = pixels::grab(&w);
    mouse(&w, QEvent::MouseButtonPress, 140, Qt::LeftButton);
    mouse(&w, QEvent::MouseMove, 90, Qt::LeftButton);
    QImage image = pixels::grab(&w);
    for (int y : {10, 60, 150, 225}) {
        for (int x : {90, 115, 137})
            QVERIFY2(isHighlighted(image, before, x, y), qPrintable(QString("%1,%2").arg(x).arg(y)));
        QCOMPARE(image.pixel(89, y), before.pixel(89, y));
        QCOMPARE(image.pixel(141, y), before.pixel(141, y));
    }
    mouse(&w, QEvent::MouseButtonRelease, 90, Qt::NoButton);

    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(events, (QStringList{"pos 4000", "cut 2 4", "pos 2000"}));
    QCOMPARE(columnsAtCut, 200);
    QCOMPARE(w.columnCount(), 200);
    image = pixels::grab(&w);
    QCOMPARE(image.pixel(60, 100), before.pixel(60, 100));
    // The cursor stands where playback goes on, at the start of the removed span (x 90, drawn at 89),
    // though the drag started at its end.
    QCOMPARE(pixels::runs(image, 89, Cursor), (Runs{{0, 229}}));
    QVERIFY(pixels::runs(image, 139, Cursor).isEmpty());
    QCOMPARE(image.pixel(115, 60), before.pixel(115, 60));  // no highlight left

    // The highlight is gone, so a second Delete has nothing to cut.
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(events.size(), 3);
}

void TestWaveformWidget::cuttingIsRefusedWhileRecording()
{
    WaveformWidget &w = *m_widget;
    for (int i = 0; i < 80; ++i)
        w.appendLevels({0.8, -0.8, 0.6, -0.6});
    w.setPlayPos(20000);
    QSignalSpy cuts(&w, &WaveformWidget::s_cutAudio);
    w.setSupportClip(false);
    const QImage before = pixels::grab(&w);
    drag(&w, 60, 100);
    QVERIFY(isHighlighted(pixels::grab(&w), before, 80, 60));

    QTest::ignoreMessage(QtDebugMsg, "no SupportClip");
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 0);
    QCOMPARE(w.columnCount(), 80);
    QCOMPARE(pixels::grab(&w).pixel(80, 60), before.pixel(80, 60));

    // Once the take is finished, the refused selection does not come back to be cut unseen.
    w.setSupportClip(true);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 0);
    drag(&w, 60, 100);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 1);
    QCOMPARE(cuts.last().at(0).toDouble(), 0.8);
    QCOMPARE(cuts.last().at(1).toDouble(), 2.4);
}

void TestWaveformWidget::onlyTheHighlightedSpanIsCut()
{
    WaveformWidget &w = *m_widget;
    for (int i = 0; i < 150; ++i)
        w.appendLevels({0.8, -0.8, 0.6, -0.6});
    w.setPlayPos(20000);
    QSignalSpy cuts(&w, &WaveformWidget::s_cutAudio);
    QSignalSpy position(&w, &WaveformWidget::s_posChange);

    // A click selects nothing; neither does a drag within the margin.
    mouse(&w, QEvent::MouseButtonPress, 100, Qt::LeftButton);
    mouse(&w, QEvent::MouseButtonRelease, 100, Qt::NoButton);
    QTest::keyClick(&w, Qt::Key_Delete);
    drag(&w, 10, 30);
    QCOMPARE(position.last().first().toDouble(), -1200.0);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 0);

    // A drag into the margin highlights from the margin on, and cuts from 0 s.
    const QImage before = pixels::grab(&w);
    drag(&w, 140, 10);
    const QImage image = pixels::grab(&w);
    QVERIFY(isHighlighted(image, before, 40, 60));
    QVERIFY(pixels::is(image, 39, 60, Background));
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 1);
    QCOMPARE(cuts.last().at(0).toDouble(), 0.0);
    QCOMPARE(cuts.last().at(1).toDouble(), 4.0);
    QCOMPARE(position.last().first().toDouble(), 0.0);
}

// A column is 1920 frames at the audio's rate: at 44.1 kHz a span of columns is 48000/44100 longer
// in time than at the default 48 kHz, and the cursor moves fewer pixels per second.
void TestWaveformWidget::timesFollowTheSampleRate()
{
    WaveformWidget &w = *m_widget;
    for (int i = 0; i < 150; ++i)
        w.appendLevels({0.8, -0.8, 0.6, -0.6});
    w.setSampleRate(44100);
    w.setSampleRate(0);  // ignored
    QSignalSpy cuts(&w, &WaveformWidget::s_cutAudio);
    QSignalSpy position(&w, &WaveformWidget::s_posChange);
    drag(&w, 60, 100);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 1);
    const double secondsPerColumn = 1920.0 / 44100;
    QVERIFY(qAbs(cuts.last().at(0).toDouble() - 20 * secondsPerColumn) < 1e-9);
    QVERIFY(qAbs(cuts.last().at(1).toDouble() - 60 * secondsPerColumn) < 1e-9);
    QVERIFY(qAbs(position.last().first().toDouble() - 20 * secondsPerColumn * 1000) < 1e-6);
    QCOMPARE(w.pixelsPerSecond(), 44100 / 1920.0);

    // A column is about 43.5 ms here: a clicked time, in the player's whole milliseconds, and the
    // cursor's own time both bring the cursor back to the clicked pixel, not to the column before.
    for (int x = WaveformWidget::LeftMargin; x < 200; ++x) {
        mouse(&w, QEvent::MouseButtonPress, x, Qt::LeftButton);
        const qint64 cursorMs = w.cursorMs();
        w.setPlayPos(ChartScale::wholeMs(position.last().first().toDouble()));
        QCOMPARE(w.cursorX(), x);
        w.setPlayPos(cursorMs);
        QCOMPARE(w.cursorX(), x);
    }
}

void TestWaveformWidget::clearForgetsColumnsAndSelection()
{
    WaveformWidget &w = *m_widget;
    for (int i = 0; i < 50; ++i)
        w.appendLevels({0.8, -0.8, 0.6, -0.6});
    drag(&w, 50, 80);
    w.clearWave();
    QCOMPARE(w.columnCount(), 0);
    QCOMPARE(w.nextX(), 40);
    w.setPlayPos(20000);
    const QImage image = pixels::grab(&w);
    QCOMPARE(pixels::count(image, QRect(40, 21, 100, 200), Wave), 0);
    QVERIFY(pixels::is(image, 60, 60, Background));
    QSignalSpy cuts(&w, &WaveformWidget::s_cutAudio);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 0);
    w.appendLevels({0.5, -0.5, 0.5, -0.5});
    w.setPlayPos(20000);
    QCOMPARE(pixels::runs(pixels::grab(&w), 40, Wave), (Runs{{45, 94}, {155, 204}}));
}

// Shift and the arrows stretch a selection from the cursor; Delete then cuts what a drag from the cursor
// to the same place would, whichever way it was stretched and in whatever steps.
void TestWaveformWidget::keysSelectAndCutAsTheMouseDoes()
{
    WaveformWidget &w = *m_widget;
    QStringList events;
    connect(&w, &WaveformWidget::s_cutAudio, this,
            [&](double start, double end) { events << QString("cut %1 %2").arg(start).arg(end); });
    connect(&w, &WaveformWidget::s_posChange, this, [&](double ms) { events << QString("pos %1").arg(ms); });
    const auto take = [&](int cursorMs) {
        w.clearWave();
        for (int i = 0; i < 150; ++i)
            w.appendLevels({0.8, -0.8, 0.6, -0.6});
        w.setPlayPos(cursorMs);
        events.clear();
    };

    take(2000);
    drag(&w, 90, 140);
    QTest::keyClick(&w, Qt::Key_Delete);
    const QStringList byMouse = events.mid(1);  // the press's own position report comes first
    QCOMPARE(byMouse, (QStringList{"cut 2 4", "pos 2000"}));

    take(2000);
    const QImage before = pixels::grab(&w);
    for (int i = 0; i < 50; ++i)
        QTest::keyClick(&w, Qt::Key_Right, Qt::ShiftModifier);
    const QImage selected = pixels::grab(&w);
    QVERIFY(isHighlighted(selected, before, 115, 60));
    QCOMPARE(selected.pixel(145, 60), before.pixel(145, 60));
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(events, byMouse);

    // Backwards from the far end, a second at a time with Ctrl, and one column back again.
    take(4000);
    QTest::keyClick(&w, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&w, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(events, byMouse);

    // Without Shift an arrow moves the cursor and the player, as a click does, and drops the selection.
    take(2000);
    QTest::keyClick(&w, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&w, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(w.cursorX(), 115);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(events, QStringList{"pos 3000"});

    // A selection stops at the end of the take.
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&w, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_Delete);
    QCOMPARE(events.last(), QString("pos 3000"));
    QCOMPARE(events.at(1), QString("cut 3 6"));
}

// Ten minutes of pulses (1.48 s loud, 1.52 s quiet) and the start of one more in a frame of the panel's size: the whole take
// fits the view without a scroll bar; zooming in with Ctrl and the wheel keeps the time under the
// mouse; a pulse selected at the closest zoom stays selected and highlighted, exactly, through
// zooming out to the whole take and in again, and Delete cuts exactly its columns.
void TestWaveformWidget::zoomKeepsTheSelectedPulseAndFitShowsTheWholeTake()
{
    constexpr int Period = 75;
    constexpr int Loud = 37;
    WaveformFrame frame;
    frame.resize(660, 300);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    LevelHistory columns;
    for (int column = 0; column < 600 * 25 + 20; ++column) {  // it ends in a pulse
        const qreal level = column % Period < Loud ? 0.8 : 0.02;
        columns.append({level, -level, level, -level});
    }
    frame.showColumns(columns);
    WaveformWidget *chart = frame.waveformWidget();
    auto *zoom = new ChartZoom(&frame);
    QSignalSpy cuts(chart, &WaveformWidget::s_cutAudio);

    zoom->fit();
    QCoreApplication::processEvents();
    QVERIFY(!frame.horizontalScrollBar()->isVisible());
    QVERIFY2(chart->nextX() <= frame.viewport()->width(), qPrintable(QString::number(chart->nextX())));
    QImage image = pixels::grab(chart);
    const int top = chart->laneCentre(0) - chart->laneHeight() / 2;
    for (int x : {WaveformWidget::LeftMargin, chart->nextX() - 1})
        QVERIFY2(pixels::count(image, QRect(x, top, 1, chart->laneHeight()), Wave) > 10, qPrintable(QString::number(x)));
    QCOMPARE(pixels::count(image, QRect(chart->nextX(), top, 1, chart->laneHeight()), Wave), 0);

    // The 101st pulse, from 300 s on.
    const double pulseStart = 100 * Period * 0.04;
    const double pulseEnd = pulseStart + Loud * 0.04;
    int shownAt = chart->xAt(qint64((pulseStart + 0.7) * 1000)) - frame.horizontalScrollBar()->value();
    while (zoom->canZoomIn()) {
        const int x = shownAt + frame.horizontalScrollBar()->value();
        const double before = chart->secondsAt(x);
        ctrlWheel(chart, x, 1);
        const double after = chart->secondsAt(shownAt + frame.horizontalScrollBar()->value());
        QVERIFY2(qAbs(after - before) <= 1.0 / chart->pixelsPerSecond(), qPrintable(QString("%1 %2").arg(before).arg(after)));
    }
    QCOMPARE(chart->pixelsPerColumn(), ChartZoom::ClosestPixelsPerColumn);
    drag(chart, chart->xAt(qint64(pulseStart * 1000)), chart->xAt(qint64(std::ceil(pulseEnd * 1000))));
    QCOMPARE(chart->selectionStart(), pulseStart);
    QCOMPARE(chart->selectionEnd(), pulseEnd);

    for (int steps : {-1, -3, -20, 2, 20}) {
        zoom->zoomAt(steps, chart->xAt(qint64(pulseStart * 1000)));
        QCoreApplication::processEvents();
        QCOMPARE(chart->selectionStart(), pulseStart);
        QCOMPARE(chart->selectionEnd(), pulseEnd);
        // Where the pulse is some pixels wide, the middle of the pulse is under the highlight, the
        // middle of the gap before it is not.
        if (chart->pixelsPerSecond() * (pulseEnd - pulseStart) < 8)
            continue;
        const int inGapX = chart->xAt(qint64((pulseStart - 0.7) * 1000));
        const int underPulseX = chart->xAt(qint64((pulseStart + 0.7) * 1000));
        image = pixels::grab(chart, QRect(inGapX, 0, underPulseX - inGapX + 1, chart->height()));
        const QColor inGap(image.pixel(0, top + 2));
        const QColor underPulse(image.pixel(image.width() - 1, top + 2));
        QVERIFY2(underPulse.lightness() > 150 && inGap.lightness() < 60,
                 qPrintable(QString("at %1 px/column: %2 %3").arg(chart->pixelsPerColumn()).arg(underPulse.name(), inGap.name())));
    }
    chart->setFocus();
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 1);
    QCOMPARE(cuts.first().at(0).toDouble(), pulseStart);
    QCOMPARE(cuts.first().at(1).toDouble(), pulseEnd);
}

// Ctrl+L in the panel opens the selection for typing: two times apart (h:mm:ss.mmm, m:ss or seconds)
// select exactly that span, which the readout shows and Delete cuts; a time past the end stops at
// the end; anything else is refused and left to be corrected.
void TestWaveformWidget::aTypedSelectionIsCutAsTyped()
{
    QWidget panel;
    auto *row = new QHBoxLayout(&panel);
    auto *frame = new WaveformFrame(&panel);
    row->addWidget(frame);
    auto *bar = new ChartBar(&panel, row, frame);
    panel.resize(700, 300);
    panel.show();
    QApplication::setActiveWindow(&panel);
    QVERIFY(QTest::qWaitForWindowActive(&panel));
    WaveformWidget *chart = frame->waveformWidget();
    for (int i = 0; i < 150; ++i)
        chart->appendLevels({0.8, -0.8, 0.6, -0.6});
    QSignalSpy cuts(chart, &WaveformWidget::s_cutAudio);
    auto *edit = bar->findChild<QLineEdit *>("selectionEdit");
    const auto type = [&](const QString &text) {
        chart->setFocus();
        QTest::keyClick(chart, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(edit->hasFocus());
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    };

    type("0:00:03.500 - 1.25");
    QVERIFY(edit->isHidden());
    QCOMPARE(chart->selectionStart(), 1.25);
    QCOMPARE(chart->selectionEnd(), 3.5);
    QCOMPARE(bar->findChild<QLabel *>("selectionReadout")->text(), QString("选区 0:00:01.250 – 0:00:03.500，长 0:00:02.250"));
    QVERIFY(chart->hasFocus());
    // The field opens with the selection in it, as the readout writes it, and gives it back unchanged.
    QTest::keyClick(chart, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(edit->text(), QString("0:00:01.250 – 0:00:03.500"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(chart->selectionStart(), 1.25);
    QCOMPARE(chart->selectionEnd(), 3.5);
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 1);
    QCOMPARE(cuts.first().at(0).toDouble(), 1.25);
    QCOMPARE(cuts.first().at(1).toDouble(), 3.5);

    type("0:02 9:00");
    QCOMPARE(chart->selectionStart(), 2.0);
    QCOMPARE(chart->selectionEnd(), chart->endSeconds());

    for (const char *wrong : {"1.5", "abc - 2", "0:75 - 0:80", "1 2 3"}) {
        type(wrong);
        QVERIFY2(edit->isVisible(), wrong);
        QCOMPARE(chart->selectionStart(), 2.0);
    }
}

QTEST_MAIN(TestWaveformWidget)
#include "tst_waveformwidget.moc"
