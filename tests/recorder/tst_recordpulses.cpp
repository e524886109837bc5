#include "audiofiles.h"
#include "recorder/chartzoom.h"
#include "recorder/clipprompts.h"
#include "recorder/recordwidget.h"
#include "recorder/wavefile.h"
#include "recorder/waveformframe.h"
#include "recorder/waveformwidget.h"
#include "waveformtesting.h"

#include <QAudioRecorder>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>

// A take recorded for real from a pulsed tone (1.5 s on, 1.5 s off; the suite's second sound
// server), so that what the chart shows, what the user selects and what the cut removes can be
// told apart by position.
using namespace audiofiles;

namespace {

const int StartTimeoutMs = 15000;
const int TakeMs = 25000;
const int WindowFrames = 441;     // pulses are found in 10 ms windows of the file
const int LoudSample = 1000;      // the pulses peak near 4600, the gaps are silent
const int MarginColumns = 7;      // a selection reaches about 0.3 s into the gaps on either side

struct Span
{
    qint64 from;
    qint64 to;  // exclusive
};

// The pulses of a file, in frames, to the nearest window.
QVector<Span> filePulses(const QString &path)
{
    const QVector<qint16> all = samples(path);
    QVector<Span> pulses;
    bool on = false;
    for (qint64 window = 0; (window + 1) * WindowFrames * Channels <= all.size(); ++window) {
        int loudest = 0;
        for (int i = 0; i < WindowFrames * Channels; ++i)
            loudest = qMax(loudest, qAbs(int(all[int(window * WindowFrames * Channels + i)])));
        const bool loud = loudest > LoudSample;
        if (loud && !on)
            pulses.append({window * WindowFrames, 0});
        if (!loud && on)
            pulses.last().to = window * WindowFrames;
        on = loud;
    }
    if (on)
        pulses.last().to = all.size() / Channels;
    return pulses;
}

// The pulses as the chart draws them: runs of columns whose stroke in the first lane is longer
// than the dot that silence leaves.
QVector<Span> chartPulses(WaveformWidget *chart)
{
    const QImage image = pixels::grab(chart);
    QVector<Span> pulses;
    bool on = false;
    for (int column = 0; column < chart->columnCount(); ++column) {
        const int x = WaveformWidget::LeftMargin + column * chart->step();
        const int top = chart->laneCentre(0) - chart->laneHeight() / 2;
        const int drawn = pixels::count(image, QRect(x, top, 1, chart->laneHeight()), colours::Wave);
        const bool loud = drawn > 3;
        if (loud && !on)
            pulses.append({column, 0});
        if (!loud && on)
            pulses.last().to = column;
        on = loud;
    }
    if (on)
        pulses.last().to = chart->columnCount();
    return pulses;
}

QString describe(const QVector<Span> &spans)
{
    QStringList parts;
    for (const Span &span : spans)
        parts << QString("%1-%2").arg(span.from).arg(span.to);
    return parts.join(' ');
}

} // namespace

class TestRecordPulses : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void chartShowsTheFileAndACutRemovesTheSelectedPulse();
    void cutsFromTheStartAndToTheEndButNeverTheWholeTake();
    void aPulseSelectedAtTheClosestZoomIsCutExactly();

private:
    WaveformWidget *chart() const { return m_widget->findChild<WaveformWidget *>(); }
    WaveformFrame *frame() const { return m_widget->findChild<WaveformFrame *>(QStringLiteral("waveforFrame")); }
    QToolButton *recordButton() const { return m_widget->findChild<QToolButton *>("btnRecord"); }
    // Selects from x `from` to x `to` on the chart and presses Delete, and waits for the cut.
    void cutByMouse(int from, int to);
    void checkLengthShown(const QString &version);
    void pressKey(int key, Qt::KeyboardModifiers modifiers);

    RecordWidget *m_widget = nullptr;
    QString m_take;
    QStringList m_failures;
};

void TestRecordPulses::cutByMouse(int from, int to)
{
    const QString before = m_widget->playPath();
    chart()->setFocus();
    input::drag(chart(), from, to);
    QTest::keyClick(chart(), Qt::Key_Delete);
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->playPath() != before || !m_failures.isEmpty(), 30000);
}

// The time label says how long the version is that the chart shows and the player plays.
void TestRecordPulses::checkLengthShown(const QString &version)
{
    QCOMPARE(m_widget->playPath(), version);
    WaveFile reader;
    QVERIFY(reader.readWaveFile(version));
    QCOMPARE(m_widget->elapsedMs(), reader.durationMs());
    const QString shown = QTime::fromMSecsSinceStartOfDay(int(reader.durationMs())).toString("hh:mm:ss:zzz");
    QCOMPARE(m_widget->findChild<QLabel *>("lbTime")->text(), shown);
}

void TestRecordPulses::pressKey(int key, Qt::KeyboardModifiers modifiers)
{
    QApplication::setActiveWindow(m_widget);
    QTest::keyClick(m_widget, Qt::Key(key), modifiers);
}

void TestRecordPulses::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "the recorder's tests need the suite's sound server");
    ClipPrompts::setFailureReporter([this](const QString &title, const QString &text) { m_failures << title + ": " + text; });
    m_widget = new RecordWidget;
    // Narrow, so that the take is wider than the view and the view has somewhere to go.
    m_widget->resize(420, 300);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestRecordPulses::cleanupTestCase()
{
    delete m_widget;
    ClipPrompts::setFailureReporter(nullptr);
}

void TestRecordPulses::chartShowsTheFileAndACutRemovesTheSelectedPulse()
{
    QTest::mouseClick(recordButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->elapsedMs() >= TakeMs, StartTimeoutMs + TakeMs);
    QTest::mouseClick(recordButton(), Qt::LeftButton);
    QTRY_COMPARE(m_widget->recorder()->state(), QMediaRecorder::StoppedState);
    const QString take = m_widget->playPath();
    m_take = take;

    // The finished take is drawn where its audio is in the file, to within a column.
    const QVector<Span> inFile = filePulses(take);
    const QVector<Span> onChart = chartPulses(chart());
    QVERIFY2(inFile.size() >= 7, qPrintable(describe(inFile)));
    QCOMPARE(onChart.size(), inFile.size());
    const double framesPerColumn = 44100.0 / chart()->pixelsPerSecond() * chart()->step();
    for (int i = 0; i < inFile.size(); ++i) {
        QVERIFY2(qAbs(onChart[i].from - inFile[i].from / framesPerColumn) <= 1.5
                     && qAbs(onChart[i].to - inFile[i].to / framesPerColumn) <= 1.5,
                 qPrintable(QString("file %1\nchart %2").arg(describe(inFile), describe(onChart))));
    }

    // A whole pulse in the middle of the take, selected on the chart with some silence either side.
    const int picked = inFile.size() / 2;
    const int from = WaveformWidget::LeftMargin + int(onChart[picked].from) - MarginColumns;
    const int to = WaveformWidget::LeftMargin + int(onChart[picked].to) + MarginColumns;
    QScrollBar *scroll = frame()->horizontalScrollBar();
    QVERIFY(scroll->maximum() > 0);
    scroll->setValue(from - 100);
    const int shown = scroll->value();
    chart()->setFocus();
    input::drag(chart(), from, to);
    QTest::keyClick(chart(), Qt::Key_Delete);
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->playPath() != take, 30000);
    const QString cut = m_widget->playPath();

    // Exactly that pulse is gone: those before it are where they were, those after it moved up by
    // the span removed, and none of them lost a part.
    const auto seconds = [this](int x) {
        return qRound((x - WaveformWidget::LeftMargin) / chart()->pixelsPerSecond() * 100) / 100.0;
    };
    const qint64 removed = qRound64((seconds(to) - seconds(from)) * Rate);
    const QVector<Span> left = filePulses(cut);
    QVERIFY2(left.size() == inFile.size() - 1, qPrintable(QString("take %1\ncut %2").arg(describe(inFile), describe(left))));
    for (int i = 0; i < left.size(); ++i) {
        const Span expected = i < picked ? inFile[i] : Span{inFile[i + 1].from - removed, inFile[i + 1].to - removed};
        QVERIFY2(qAbs(left[i].from - expected.from) <= WindowFrames && qAbs(left[i].to - expected.to) <= WindowFrames,
                 qPrintable(QString("pulse %1: take %2\ncut %3").arg(i).arg(describe(inFile), describe(left))));
    }

    // The view stayed with the user: the cut point is on screen, the cursor on it, where play goes on.
    const int viewWidth = frame()->viewport()->width();
    QVERIFY2(from >= scroll->value() + WaveformWidget::LeftMargin && from < scroll->value() + viewWidth,
             qPrintable(QString("cut at %1, view %2+%3 (was at %4)").arg(from).arg(scroll->value()).arg(viewWidth).arg(shown)));
    QCOMPARE(chart()->cursorX(), from);
    const int viewAfterCut = scroll->value();

    // Undo brings the pulse back in place, and the view and cursor stay.
    QApplication::setActiveWindow(m_widget);
    QTest::keyClick(m_widget, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_widget->playPath(), take);
    QCOMPARE(chartPulses(chart()).size(), inFile.size());
    QCOMPARE(chart()->cursorX(), from);
    QCOMPARE(scroll->value(), viewAfterCut);
}

// From the take current again: a cut from the very start removes the start (the take never grows),
// a cut dragged past the end removes everything from its start on, and the whole take selected
// is refused and changes nothing. The time label follows every version.
void TestRecordPulses::cutsFromTheStartAndToTheEndButNeverTheWholeTake()
{
    QVERIFY(!m_take.isEmpty());
    QCOMPARE(m_widget->playPath(), m_take);
    checkLengthShown(m_take);
    const QVector<Span> inTake = filePulses(m_take);
    const qint64 takeFrames = samples(m_take).size() / Channels;
    const auto seconds = [this](int x) {
        return qRound((x - WaveformWidget::LeftMargin) / chart()->pixelsPerSecond() * 100) / 100.0;
    };

    // From the margin to just past the first pulse.
    const int firstEnd = WaveformWidget::LeftMargin + int(chartPulses(chart()).first().to) + MarginColumns;
    cutByMouse(WaveformWidget::LeftMargin - 20, firstEnd);
    const QString fromStart = m_widget->playPath();
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    QVERIFY(fromStart != m_take);
    const qint64 removed = qRound64(seconds(firstEnd) * Rate);
    QCOMPARE(samples(fromStart).size() / Channels, takeFrames - removed);
    const QVector<Span> left = filePulses(fromStart);
    QVERIFY2(left.size() == inTake.size() - 1, qPrintable(QString("take %1\ncut %2").arg(describe(inTake), describe(left))));
    for (int i = 0; i < left.size(); ++i)
        QVERIFY(qAbs(left[i].from - (inTake[i + 1].from - removed)) <= WindowFrames);
    checkLengthShown(fromStart);
    pressKey(Qt::Key_Z, Qt::ControlModifier);
    checkLengthShown(m_take);
    pressKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    checkLengthShown(fromStart);

    // From the gap before the last pulse to well past the last column.
    const int lastStart = WaveformWidget::LeftMargin + int(chartPulses(chart()).last().from) - MarginColumns;
    cutByMouse(lastStart, chart()->nextX() + 100);
    const QString toEnd = m_widget->playPath();
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    QVERIFY(toEnd != fromStart);
    QCOMPARE(samples(toEnd).size() / Channels, qRound64(seconds(lastStart) * Rate));
    QCOMPARE(filePulses(toEnd).size(), left.size() - 1);
    checkLengthShown(toEnd);

    // Everything, from the margin to past the end.
    const QStringList files = QDir(QFileInfo(m_take).path()).entryList(QDir::Files | QDir::Hidden);
    cutByMouse(WaveformWidget::LeftMargin - 20, chart()->nextX() + 100);
    QCOMPARE(m_failures.size(), 1);
    QVERIFY2(m_failures[0].startsWith("剪切: 所选范围是整段录音"), qPrintable(m_failures[0]));
    QCOMPARE(QDir(QFileInfo(m_take).path()).entryList(QDir::Files | QDir::Hidden), files);
    checkLengthShown(toEnd);
    // No step was added to undo.
    pressKey(Qt::Key_Z, Qt::ControlModifier);
    checkLengthShown(fromStart);
}

// With the version cut from the start current: Ctrl+0 shows all of it without a scroll bar; Ctrl and
// the wheel over a pulse zoom in to the closest, where the pulse is selected with a fifth of a second
// of silence either side; out and in again with Ctrl+minus and Ctrl+plus, Delete removes exactly that
// pulse and that span from the audio.
void TestRecordPulses::aPulseSelectedAtTheClosestZoomIsCutExactly()
{
    m_failures.clear();
    const QString before = m_widget->playPath();
    const QVector<Span> inFile = filePulses(before);
    QVERIFY2(inFile.size() >= 3, qPrintable(describe(inFile)));
    const qint64 frames = samples(before).size() / Channels;
    QScrollBar *scroll = frame()->horizontalScrollBar();
    chart()->setFocus();
    pressKey(Qt::Key_0, Qt::ControlModifier);
    QTRY_VERIFY(!scroll->isVisible());
    QVERIFY(chart()->nextX() <= frame()->viewport()->width());

    const Span pulse = inFile[inFile.size() / 2];
    const qint64 fromMs = pulse.from * 1000 / Rate - 200;
    const qint64 toMs = pulse.to * 1000 / Rate + 200;
    const int shownAt = chart()->xAt((fromMs + toMs) / 2) - scroll->value();
    const double mouseAt = chart()->secondsAt(shownAt + scroll->value());
    const double pixelAtFit = 1 / chart()->pixelsPerSecond();
    for (int i = 0; i < 20; ++i) {
        const QPointF pos(shownAt + scroll->value(), 100);
        QWheelEvent wheel(pos, chart()->mapToGlobal(pos.toPoint()), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(chart(), &wheel);
    }
    QCOMPARE(chart()->pixelsPerColumn(), ChartZoom::ClosestPixelsPerColumn);
    // The time under the mouse stayed under it, to within a pixel of the whole take's view.
    const double underMouse = chart()->secondsAt(shownAt + scroll->value());
    QVERIFY2(qAbs(underMouse - mouseAt) <= pixelAtFit,
             qPrintable(QString("%1 s under the mouse at %2, %3 s wanted; view at %4 of %5")
                            .arg(underMouse).arg(shownAt).arg(mouseAt).arg(scroll->value()).arg(scroll->maximum())));
    chart()->setFocus();
    input::drag(chart(), chart()->xAt(fromMs), chart()->xAt(toMs));
    const double start = chart()->selectionStart();
    const double end = chart()->selectionEnd();
    QVERIFY2(qAbs(start * 1000 - fromMs) <= 3 && qAbs(end * 1000 - toMs) <= 3, qPrintable(QString("%1 %2").arg(start).arg(end)));
    pressKey(Qt::Key_Minus, Qt::ControlModifier);
    pressKey(Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(chart()->pixelsPerColumn(), ChartZoom::ClosestPixelsPerColumn);
    QCOMPARE(chart()->selectionStart(), start);
    QCOMPARE(chart()->selectionEnd(), end);
    QTest::keyClick(chart(), Qt::Key_Delete);
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->playPath() != before || !m_failures.isEmpty(), 30000);
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));

    // The cut goes by hundredths of a second.
    const qint64 removed = qRound64((qRound(end * 100) - qRound(start * 100)) / 100.0 * Rate);
    const QString cut = m_widget->playPath();
    QVERIFY2(qAbs(samples(cut).size() / Channels - (frames - removed)) <= 1,
             qPrintable(QString("%1 (%2 frames) cut %3 s to %4 s into %5 (%6 frames)")
                            .arg(before).arg(frames).arg(start).arg(end).arg(cut).arg(samples(cut).size() / Channels)));
    const QVector<Span> left = filePulses(cut);
    QVERIFY2(left.size() == inFile.size() - 1, qPrintable(QString("before %1\ncut %2").arg(describe(inFile), describe(left))));
    for (int i = 0; i < left.size(); ++i) {
        const int picked = inFile.size() / 2;
        const Span expected = i < picked ? inFile[i] : Span{inFile[i + 1].from - removed, inFile[i + 1].to - removed};
        QVERIFY2(qAbs(left[i].from - expected.from) <= WindowFrames && qAbs(left[i].to - expected.to) <= WindowFrames,
                 qPrintable(QString("pulse %1: before %2\ncut %3").arg(i).arg(describe(inFile), describe(left))));
    }
}

QTEST_MAIN(TestRecordPulses)
#include "tst_recordpulses.moc"
