#include "waveformtesting.h"
#include "recorder/levelhistory.h"
#include "recorder/wavefile.h"
#include "recorder/waveformframe.h"
#include "recorder/waveformwidget.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using namespace colours;
using input::drag;
using input::mouse;
using pixels::Runs;

constexpr int PlayTickMs = 40;  // the recorder's cursor timer

QVector<qreal> levels(double lane0, double lane1)
{
    return {lane0, -lane0, lane1, -lane1};
}

// The stroke of a level pair in a lane of height 100, as the chart's geometry puts it.
QPair<int, int> strokeRows(int lane, double upper, double lower)
{
    const int centre = lane * 110 + 50 + 20;
    return {int(centre - 49 * upper), int(centre - 49 * lower)};
}

} // namespace

class TestWaveformFrame : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void constructionAndResizeRules();
    void widensAtTheRightEdge();
    void amplitudeRuler();
    void amplitudeRulerStaysOnScreen();
    void playbackScrollsInPages();
    void clearFitsTheChartToTheFrame();
    void signalsReachTheFrame();
    void longTakeDrawsEveryVisibleColumnInPlace();
    void soxTakeIsDrawnAtItsLevel();

private:
    WaveformFrame *showFrame(int width, int height);
    QWidget *m_window = nullptr;
};

// A frame that takes its window's size, as in the recorder's form.
WaveformFrame *TestWaveformFrame::showFrame(int width, int height)
{
    m_window = new QWidget;
    m_window->resize(width, height);
    auto *frame = new WaveformFrame(m_window);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        qFatal("the frame was never shown");
    return frame;
}

void TestWaveformFrame::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestWaveformFrame::constructionAndResizeRules()
{
    QWidget parent;
    parent.resize(961, 363);
    auto *frame = new WaveformFrame(&parent);
    WaveformWidget *chart = frame->waveformWidget();
    QCOMPARE(frame->size(), QSize(961, 363));
    QCOMPARE(chart->size(), QSize(959, 238));
    QCOMPARE(chart->laneCount(), 2);
    QCOMPARE(chart->objectName(), QStringLiteral("WaveformWidget"));
    QVERIFY(frame->horizontalScrollBar()->styleSheet().startsWith(
        "QScrollBar:horizontal { height: 15px; margin: 0px 40px 0 0px; border-radius: 7px;"));

    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QCOMPARE(chart->size(), QSize(959, 338));
    const QList<QWidget *> children = frame->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    auto rulerIt = std::find_if(children.begin(), children.end(),
                                [](QWidget *w) { return w->geometry().topLeft() == QPoint(0, 20); });
    QVERIFY(rulerIt != children.end());
    QWidget *ruler = *rulerIt;
    QCOMPARE(ruler->size(), QSize(40, 318));

    // An empty chart fits the frame, narrower or wider (the panel laid out smaller than its form
    // shows no scroll bar); a drawn chart wider than the frame keeps its width.
    frame->resize(500, 255);
    QCOMPARE(chart->size(), QSize(498, 230));
    QCOMPARE(ruler->size(), QSize(40, 210));
    QCOMPARE(frame->horizontalScrollBar()->maximum(), 0);
    frame->resize(1200, 300);
    QCOMPARE(chart->size(), QSize(1198, 275));
    QCOMPARE(ruler->size(), QSize(40, 255));
    for (int i = 0; i < 700; ++i) {
        QVector<qreal> block = levels(0.5, 0.5);
        frame->onDrawWaveform(block);
    }
    frame->resize(500, 255);
    QCOMPARE(chart->width(), 1198);
}

void TestWaveformFrame::widensAtTheRightEdge()
{
    WaveformFrame *frame = showFrame(102, 255);
    WaveformWidget *chart = frame->waveformWidget();
    QCOMPARE(chart->size(), QSize(100, 230));
    QSignalSpy widened(chart, &WaveformWidget::s_adjustWidth);
    for (int i = 0; i < 59; ++i) {
        QVector<qreal> block = levels((i % 10 + 1) / 10.0, (i % 4 + 1) / 4.0);
        frame->onDrawWaveform(block);
    }
    QCOMPARE(widened.count(), 0);
    QCOMPARE(chart->width(), 100);
    QVector<qreal> last = levels(1.0, 1.0);
    frame->onDrawWaveform(last);  // the 60th column, at x 99
    QCOMPARE(widened.count(), 1);
    QCOMPARE(chart->width(), 360);
    QCOMPARE(chart->nextX(), 100);
    QScrollBar *bar = frame->horizontalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->height(), 15);

    chart->setPlayPos(12000);  // moves the cursor out of the way
    const QImage image = pixels::grab(chart);
    QCOMPARE(image.width(), 360);
    for (int i = 0; i < 60; ++i) {
        const double a = i == 59 ? 1.0 : (i % 10 + 1) / 10.0;
        const double b = i == 59 ? 1.0 : (i % 4 + 1) / 4.0;
        QCOMPARE(pixels::runs(image, 40 + i, Wave), (Runs{strokeRows(0, a, -a), strokeRows(1, b, -b)}));
    }
    QCOMPARE(pixels::count(image, QRect(100, 21, 200, 200), Wave), 0);

    // The same columns, and a widening's worth more, shown at once (a version read back from its
    // file) make the chart that drawing them one by one makes: as wide, scrolled alike, the cursor
    // after the last column.
    LevelHistory columns;
    for (int i = 0; i < 60 + WaveformFrame::WidenStep; ++i)
        columns.append(levels(0.5, 0.5));
    for (int i = 60; i < columns.columnCount(); ++i) {
        QVector<qreal> block = levels(0.5, 0.5);
        frame->onDrawWaveform(block);
    }
    const int drawnWidth = chart->width();
    const int drawnScroll = bar->value();
    QCOMPARE(drawnWidth, 620);
    frame->clear();
    frame->showColumns(columns);
    QCOMPARE(chart->columnCount(), columns.columnCount());
    QCOMPARE(chart->width(), drawnWidth);
    QCOMPARE(bar->value(), drawnScroll);
    QCOMPARE(chart->cursorX(), chart->nextX());
    chart->setPlayPos(30000);
    const QImage shown = pixels::grab(chart);
    QCOMPARE(pixels::runs(shown, 40 + 70, Wave), (Runs{strokeRows(0, 0.5, -0.5), strokeRows(1, 0.5, -0.5)}));
}

void TestWaveformFrame::amplitudeRuler()
{
    WaveformFrame *frame = showFrame(700, 255);
    QImage image = pixels::grab(frame);
    // Ticks at each lane's 1.0, 0.0 and -1.0 (ruler y = lane centre - 20, frame y = ruler y + 20).
    for (int y : {20 + 50, 20 + 0, 20 + 100, 20 + 160, 20 + 110})
        for (int x = 34; x <= 38; ++x)
            QVERIFY2(pixels::is(image, x, y, RulerText), qPrintable(QString("%1,%2").arg(x).arg(y)));
    QVERIFY(pixels::is(image, 20, 45, RulerBackground));
    QVERIFY(pixels::is(image, 36, 45, RulerBackground));
    QVERIFY(pixels::is(image, 39, 45, Qt::black));
    // "0.0" right-aligned in a 30-px box around each lane's centre.
    for (int centre : {70, 180}) {
        const QPair<int, int> label = pixels::extentOfOther(image, QRect(2, centre - 8, 30, 16), RulerBackground);
        QVERIFY(label.first > 2);
        QVERIFY(label.second >= 26 && label.second <= 30);
    }

    frame->setLaneCount(1);
    QCOMPARE(frame->waveformWidget()->laneHeight(), 210);
    image = pixels::grab(frame);
    QVERIFY(pixels::is(image, 36, 20 + 105, RulerText));
    QVERIFY(!pixels::is(image, 36, 20 + 160, RulerText));
}

// What the user sees: the window's pixels on the screen, after the chart was redrawn under the
// ruler (a drawing path that a widget grab does not take). The take grew while the recorder was
// hidden, as when the panel is closed during a recording.
void TestWaveformFrame::amplitudeRulerStaysOnScreen()
{
    m_window = new QWidget;
    m_window->resize(700, 255);
    auto *frame = new WaveformFrame(m_window);
    for (int i = 0; i < 1000; ++i) {
        QVector<qreal> block = levels(0.9, 0.9);
        frame->onDrawWaveform(block);
    }
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTRY_VERIFY(frame->horizontalScrollBar()->isVisible());
    auto screenPixel = [this](int x, int y) {
        return QColor(m_window->screen()->grabWindow(m_window->winId()).toImage().pixel(x, y));
    };
    // Grabbing the screen is slow in an instrumented build; the first drawing may take a while there.
    QTRY_COMPARE_WITH_TIMEOUT(screenPixel(36, 70), RulerText, 30000);
    WaveformWidget *chart = frame->waveformWidget();
    chart->update();
    QTest::qWait(100);
    QCOMPARE(screenPixel(36, 70), RulerText);
    QCOMPARE(screenPixel(36, 60), RulerBackground);
    mouse(chart, QEvent::MouseButtonPress, frame->horizontalScrollBar()->value() + 100);
    frame->horizontalScrollBar()->setValue(200);
    QTest::qWait(100);
    QCOMPARE(screenPixel(36, 70), RulerText);
    QCOMPARE(screenPixel(36, 60), RulerBackground);
}

// The view turns to the cursor's page when the cursor enters it, and leaves the user's scrolling
// alone within a page; at 25 px/s (48 kHz) and at the 22.97 px/s of a 44.1 kHz take alike.
void TestWaveformFrame::playbackScrollsInPages()
{
    WaveformFrame *frame = showFrame(700, 255);
    WaveformWidget *chart = frame->waveformWidget();
    chart->resize(3000, chart->height());
    QScrollBar *bar = frame->horizontalScrollBar();
    QTRY_VERIFY(bar->maximum() >= 1300);

    bar->setValue(100);
    frame->setPlayPos(0);
    QCOMPARE(bar->value(), 0);
    bar->setValue(100);
    frame->setPlayPos(25999);
    QCOMPARE(bar->value(), 100);
    QCOMPARE(chart->cursorX(), 689);
    frame->setPlayPos(26000);
    QCOMPARE(bar->value(), 650);
    QCOMPARE(chart->cursorX(), 690);
    const QImage image = pixels::grab(chart, QRect(680, 0, 20, chart->height()));
    QVERIFY(pixels::is(image, 9, 50, Cursor));
    QVERIFY(pixels::is(image, 8, 50, Cursor));
    QVERIFY(!pixels::is(image, 10, 50, Cursor));
    bar->setValue(300);
    frame->setPlayPos(27000);
    QCOMPARE(bar->value(), 300);
    frame->setPlayPos(52000);
    QCOMPARE(bar->value(), 1300);
    frame->setPlayPos(500);
    QCOMPARE(bar->value(), 0);

    // A 33 s take at 44.1 kHz played in 40 ms ticks: the cursor never leaves the view.
    chart->setSampleRate(44100);
    const int viewWidth = frame->viewport()->width();
    for (qint64 ms = 0; ms <= 33000; ms += PlayTickMs) {
        frame->setPlayPos(ms);
        const int shownAt = chart->cursorX() - bar->value();
        QVERIFY2(shownAt >= WaveformWidget::LeftMargin && shownAt < viewWidth,
                 qPrintable(QString("at %1 ms the cursor is at %2 of the view").arg(ms).arg(shownAt)));
    }
    QCOMPARE(bar->value(), 650);
}

void TestWaveformFrame::clearFitsTheChartToTheFrame()
{
    WaveformFrame *frame = showFrame(300, 255);
    WaveformWidget *chart = frame->waveformWidget();
    for (int i = 0; i < 400; ++i) {
        QVector<qreal> block = levels(0.7, 0.7);
        frame->onDrawWaveform(block);
    }
    QVERIFY(chart->width() > 400);
    frame->clear();
    QCOMPARE(chart->size(), QSize(298, 230));
    QCOMPARE(chart->columnCount(), 0);
    QCOMPARE(chart->nextX(), 40);
    QCOMPARE(pixels::count(pixels::grab(chart), QRect(40, 0, 258, 230), Wave), 0);
}

void TestWaveformFrame::signalsReachTheFrame()
{
    WaveformFrame *frame = showFrame(700, 255);
    WaveformWidget *chart = frame->waveformWidget();
    for (int i = 0; i < 200; ++i) {
        QVector<qreal> block = levels(0.5, 0.5);
        frame->onDrawWaveform(block);
    }
    QSignalSpy cuts(frame, &WaveformFrame::s_cutAudio);
    QSignalSpy positions(frame, &WaveformFrame::s_posChange);

    frame->setSupportClip(false);
    drag(chart, 90, 140);
    QTest::ignoreMessage(QtDebugMsg, "no SupportClip");
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 0);
    QCOMPARE(positions.count(), 1);
    QCOMPARE(positions.last().first().toDouble(), 2000.0);

    frame->setSupportClip(true);
    drag(chart, 90, 140);
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(cuts.count(), 1);
    QCOMPARE(cuts.last().at(0).toDouble(), 2.0);
    QCOMPARE(cuts.last().at(1).toDouble(), 4.0);
    QCOMPARE(positions.last().first().toDouble(), 2000.0);
    QCOMPARE(chart->cursorX(), 90);

    // Dragged leftwards, the cursor still stands at the start of the removed span, where playback goes on.
    drag(chart, 140, 90);
    QTest::keyClick(chart, Qt::Key_Delete);
    QCOMPARE(positions.last().first().toDouble(), 2000.0);
    QCOMPARE(chart->cursorX(), 90);
}

void TestWaveformFrame::longTakeDrawsEveryVisibleColumnInPlace()
{
    WaveformFrame *frame = showFrame(700, 255);
    auto level = [](int i) { return ((i * 37) % 100) / 100.0; };
    for (int i = 0; i < 5000; ++i) {
        QVector<qreal> block = levels(level(i), level(i + 50));
        frame->onDrawWaveform(block);
    }
    QScrollBar *bar = frame->horizontalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
    for (int scroll : {bar->maximum(), 2000, 0}) {
        bar->setValue(scroll);
        const QImage image = pixels::grab(frame->viewport());
        int checked = 0;
        for (int x = 0; x < image.width(); ++x) {
            const int i = x + scroll - 40;
            if (i < 0 || i >= 4998)  // the margin, and the newest columns under the cursor
                continue;
            const Runs expected{strokeRows(0, level(i), -level(i)), strokeRows(1, level(i + 50), -level(i + 50))};
            QCOMPARE(pixels::runs(image, x, Wave), expected);
            ++checked;
        }
        QVERIFY(checked > 500);
    }
}

void TestWaveformFrame::soxTakeIsDrawnAtItsLevel()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("take.wav");
    QVERIFY(QProcess::execute("sox", {"-n", "-r", "48000", "-c", "2", "-b", "16", path, "synth", "10", "sine", "440",
                                      "remix", "1v0.8", "1v0.4"})
            == 0);
    WaveformFrame *frame = showFrame(700, 255);
    WaveFile reader;
    // As the recorder does: raw 16-bit levels scaled to -1..1, each block one column.
    connect(&reader, &WaveFile::s_waveformData, frame, [frame](QVector<qreal> &block) {
        for (qreal &v : block)
            v /= 32767;
        frame->onDrawWaveform(block);
    });
    QVERIFY(reader.readWaveFile(path));
    WaveformWidget *chart = frame->waveformWidget();
    QCOMPARE(chart->columnCount(), 250);
    chart->setPlayPos(0);
    const QImage image = pixels::grab(chart);
    for (int x = 40; x < 290; x += 7) {
        const Runs runs = pixels::runs(image, x, Wave);
        QCOMPARE(runs.size(), 2);
        QVERIFY(qAbs(runs[0].first - 30) <= 1 && qAbs(runs[0].second - 109) <= 1);
        QVERIFY(qAbs(runs[1].first - 160) <= 1 && qAbs(runs[1].second - 199) <= 1);
    }
}

QTEST_MAIN(TestWaveformFrame)
#include "tst_waveformframe.moc"
