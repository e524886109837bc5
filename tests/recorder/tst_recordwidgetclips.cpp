#include "audiofiles.h"
#include "debuglogrecorder.h"
#include "recorder/clipprompts.h"
#include "recorder/exportplace.h"
#include "recorder/jobbar.h"
#include "recorder/recordwidget.h"
#include "recorder/takelistdialog.h"
#include "recorder/wavefile.h"
#include "recorder/waveformframe.h"
#include "recorder/waveformwidget.h"
#include "waveformtesting.h"

#include <QAccessible>
#include <QAudioRecorder>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QMediaPlayer>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

#include <cmath>

// Cutting, undo and export on a take recorded for real from the suite's sound server (a steady
// tone), with the real ffmpeg. The functions run in order on one recorded take; each says what it
// starts from.
using namespace audiofiles;

namespace {

const int StartTimeoutMs = 15000;

int blockCount(const QString &path)
{
    WaveFile reader;
    int blocks = 0;
    QObject::connect(&reader, &WaveFile::s_waveformData, [&blocks](QVector<qreal> &) { ++blocks; });
    return reader.readWaveFile(path) ? blocks : -1;
}

} // namespace

class TestRecordWidgetClips : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void nothingRecordedDoesNothing();
    void cutRemovesTheSpan();
    void undoGoesBackOneVersionAndNumbersGoOn();
    void takenNumbersArePassedOverAndFailedCutKeepsTheVersion();
    void missingToolIsSaidAndChangesNothing();
    void jobInProgressLocksEditingAndEscCancels();
    void cancelledDialogRunsNothing();
    void exportTidiesOnlyOrphanedVersions();
    void exportsEveryFormat_data();
    void exportsEveryFormat();
    void dialogStartsWhereTheLastExportWentAndAddsTheSuffix();
    void newTakeStartsNumberingAndUndoAfresh();
    void keysBelongToTheFocusedControl();
    void takeListOpensRenamesAndTrashes();
    void readoutsFollowTheChartAndPlayingTheSelectionStopsAtItsEnd();

private:
    WaveformWidget *chart() const { return m_widget->findChild<WaveformWidget *>(); }
    WaveformFrame *frame() const { return m_widget->findChild<WaveformFrame *>(QStringLiteral("waveforFrame")); }
    QString version(int n) const { return m_folder + "/" + m_base + "_" + QString::number(n) + ".wav"; }
    QString playerFile() const { return m_widget->player()->media().request().url().toLocalFile(); }
    void recordTake(int minimumMs);
    void cut(double start, double end);
    void waitForTheJob();
    void undoByKey();
    void redoByKey();
    void save(const QString &answer);
    void checkShows(const QString &path);
    TakeListDialog *openTakeList();
    void renameSelectedTake(QTreeWidget *takes, const QString &name);

    RecordWidget *m_widget = nullptr;
    QString m_take;
    QString m_folder;
    QString m_base;
    QString m_answer;
    int m_dialogs = 0;
    QStringList m_dialogCaptions;
    QStringList m_dialogFolders;
    QString m_answerFilter;
    QStringList m_failures;
    QStringList m_questions;
    bool m_replace = false;
    QTemporaryDir m_exports;
    QWidget *m_host = nullptr;
};

void TestRecordWidgetClips::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "the recorder's tests need the suite's sound server");
    ClipPrompts::setSaveFileChooser([this](const QString &caption, const QString &folder, const QString &filters,
                                           QString *selectedFilter) {
        ++m_dialogs;
        m_dialogCaptions << caption << filters;
        m_dialogFolders << folder;
        if (!m_answerFilter.isEmpty())
            *selectedFilter = m_answerFilter;
        return m_answer;
    });
    ClipPrompts::setFailureReporter([this](const QString &title, const QString &text) {
        m_failures << title + ": " + text;
    });
    ClipPrompts::setQuestion([this](const QString &title, const QString &text) {
        m_questions << title + ": " + text;
        return m_replace;
    });
    m_widget = new RecordWidget;
    m_widget->resize(800, 300);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestRecordWidgetClips::cleanupTestCase()
{
    delete m_widget;
    delete m_host;
    ClipPrompts::setSaveFileChooser(nullptr);
    ClipPrompts::setFailureReporter(nullptr);
    ClipPrompts::setQuestion(nullptr);
}

void TestRecordWidgetClips::init()
{
    m_dialogs = 0;
    m_dialogCaptions.clear();
    m_failures.clear();
    m_questions.clear();
    m_dialogFolders.clear();
    m_answerFilter.clear();
}

void TestRecordWidgetClips::recordTake(int minimumMs)
{
    QTest::mouseClick(m_widget->findChild<QToolButton *>("btnRecord"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->elapsedMs() >= minimumMs, StartTimeoutMs + minimumMs);
    QTest::mouseClick(m_widget->findChild<QToolButton *>("btnRecord"), Qt::LeftButton);
    // The file is complete once the recorder has stopped.
    QTRY_COMPARE(m_widget->recorder()->state(), QMediaRecorder::StoppedState);
    m_take = m_widget->playPath();
    QVERIFY2(QFile::exists(m_take), qPrintable(m_take));
    m_folder = QFileInfo(m_take).path();
    m_base = QFileInfo(m_take).baseName();
}

void TestRecordWidgetClips::cut(double start, double end)
{
    emit frame()->s_cutAudio(start, end);
    waitForTheJob();
}

// Cuts and exports run in the background: the job bar is up from their start to their end.
void TestRecordWidgetClips::waitForTheJob()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->findChild<JobBar *>()->isHidden(), 60000);
}

void TestRecordWidgetClips::redoByKey()
{
    QApplication::setActiveWindow(m_widget);
    QTest::keyClick(m_widget, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

void TestRecordWidgetClips::undoByKey()
{
    // The shortcut needs its window active; tests running side by side on one X server take the
    // focus from each other, so the application is told directly rather than through the server.
    QApplication::setActiveWindow(m_widget);
    QCOMPARE(QApplication::activeWindow(), m_widget);
    QTest::keyClick(m_widget, Qt::Key_Z, Qt::ControlModifier);
}

void TestRecordWidgetClips::save(const QString &answer)
{
    m_answer = answer;
    QTest::mouseClick(m_widget->findChild<QToolButton *>("btnSave"), Qt::LeftButton);
    waitForTheJob();
}

// The chart holds exactly the blocks of the version, and the player plays it.
void TestRecordWidgetClips::checkShows(const QString &path)
{
    QCOMPARE(m_widget->playPath(), path);
    QCOMPARE(playerFile(), path);
    const int blocks = blockCount(path);
    QVERIFY(blocks > 0);
    QCOMPARE(chart()->columnCount(), blocks);
    // The ruler measures the chart in the version's own time, so a span picked on it is the span cut.
    const double chartSeconds = chart()->columnCount() * chart()->step() / chart()->pixelsPerSecond();
    QVERIFY2(qAbs(chartSeconds - durationOf(path)) < 0.05,
             qPrintable(QString("chart %1 s, file %2 s").arg(chartSeconds).arg(durationOf(path))));
}

// Ctrl+O in the panel's window.
TakeListDialog *TestRecordWidgetClips::openTakeList()
{
    QApplication::setActiveWindow(m_widget->window());
    QTest::keyClick(m_widget->window(), Qt::Key_O, Qt::ControlModifier);
    auto *list = m_widget->findChild<TakeListDialog *>();
    if (list)
        QApplication::setActiveWindow(list);
    return list;
}

// Before any take: undo, cut and export do nothing at all.
void TestRecordWidgetClips::nothingRecordedDoesNothing()
{
    const QStringList before = QDir::home().entryList(QDir::Files);
    cut(1.0, 2.0);
    undoByKey();
    save(m_exports.filePath("never.mp3"));
    QVERIFY(m_widget->playPath().isEmpty());
    QCOMPARE(m_dialogs, 0);
    QVERIFY(m_failures.isEmpty());
    QCOMPARE(chart()->columnCount(), 0);
    QCOMPARE(QDir::home().entryList(QDir::Files), before);
    QVERIFY(!QFile::exists(m_exports.filePath("never.mp3")));
}

// A take of over five seconds; cutting 1.50 to 3.25 s keeps the audio on either side, sample for sample.
void TestRecordWidgetClips::cutRemovesTheSpan()
{
    recordTake(5000);
    DebugLogRecorder log;
    cut(1.5, 3.25);
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    checkShows(version(1));
    QCOMPARE(log.lines("m_playPath"), QStringList(QString("m_playPath \"%1\"").arg(version(1))));

    const QVector<qint16> take = samples(m_take);
    const QVector<qint16> cutVersion = samples(version(1));
    const int head = int(1.5 * Rate) * Channels;
    const int tail = int(3.25 * Rate) * Channels;
    QVERIFY(take.size() >= 5 * Rate * Channels);
    QCOMPARE(cutVersion.size(), head + take.size() - tail);
    QCOMPARE(cutVersion.mid(0, head), take.mid(0, head));
    QCOMPARE(cutVersion.mid(head), take.mid(tail));
}

// From take_1 current: a second cut, one undo, and the next cut gets a new number.
void TestRecordWidgetClips::undoGoesBackOneVersionAndNumbersGoOn()
{
    cut(0.5, 1.0);
    checkShows(version(2));
    undoByKey();
    checkShows(version(1));
    QVERIFY(QFile::exists(version(2)));
    // Redo brings back the very version undone; a new cut leaves nothing to redo.
    redoByKey();
    checkShows(version(2));
    undoByKey();
    checkShows(version(1));
    cut(0.2, 0.4);
    checkShows(version(3));
    QVERIFY(qAbs(durationOf(version(3)) - (durationOf(version(1)) - 0.2)) < 0.01);
    redoByKey();
    checkShows(version(3));
}

// From take_3 current (undo list: take, take_1): a cut passes over a number whose file exists (a
// leftover of an earlier take of the same name) without touching it; a cut that fails keeps the
// version, its undo list and the chart as they were.
void TestRecordWidgetClips::takenNumbersArePassedOverAndFailedCutKeepsTheVersion()
{
    QFile blocker(version(4));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("someone else's file");
    blocker.close();

    // Through the view.
    chart()->setFocus();
    input::drag(chart(), WaveformWidget::LeftMargin + 20, WaveformWidget::LeftMargin + 60);
    QTest::keyClick(chart(), Qt::Key_Delete);
    waitForTheJob();
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    checkShows(version(5));
    QCOMPARE(contents(version(4)), QByteArray("someone else's file"));

    // An encoder that fails, as one on a full disk would.
    StandInTool failing("echo 'No space left on device' >&2\nexit 1\n");
    QVERIFY(failing.isValid());
    const int columns = chart()->columnCount();
    input::drag(chart(), WaveformWidget::LeftMargin + 20, WaveformWidget::LeftMargin + 60);
    QTest::keyClick(chart(), Qt::Key_Delete);
    waitForTheJob();
    failing.restore();
    QCOMPARE(m_failures.size(), 1);
    QVERIFY2(m_failures[0].contains("No space left on device"), qPrintable(m_failures[0]));
    checkShows(version(5));
    QCOMPARE(chart()->columnCount(), columns);
    QVERIFY(!QFile::exists(version(6)));

    undoByKey();
    checkShows(version(3));
    undoByKey();
    checkShows(version(1));
}

// From take_1 current (undo list: take): without ffmpeg, cut and export say so once and change nothing.
void TestRecordWidgetClips::missingToolIsSaidAndChangesNothing()
{
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    cut(0.1, 0.2);
    save(m_exports.filePath("missing.flac"));
    qputenv("PATH", path);

    const QString missing = "未找到 ffmpeg，无法剪切或导出录音。请安装 ffmpeg 后再试。";
    QCOMPARE(m_failures, QStringList({"剪切: " + missing, "保存文件: " + missing}));
    checkShows(version(1));
    QVERIFY(!QFile::exists(version(6)));
    QVERIFY(!QFile::exists(m_exports.filePath("missing.flac")));
    // The number was not used up.
    cut(0.1, 0.2);
    checkShows(version(6));
    undoByKey();
    checkShows(version(1));
}

// From take_1 current: while a cut runs (an encoder that takes its time), recording, saving, cutting
// and undo are unavailable and say why, the chart keeps the version; Esc cancels and leaves all as it
// was. A span selected meanwhile stays selected, and is cut once the job is over (take_7, undone).
void TestRecordWidgetClips::jobInProgressLocksEditingAndEscCancels()
{
    StandInTool slow("exec /bin/sleep 30\n");
    QVERIFY(slow.isValid());
    const QStringList before = QDir(m_folder).entryList(QDir::Files | QDir::Hidden);
    const int columns = chart()->columnCount();
    emit frame()->s_cutAudio(0.1, 0.2);
    slow.restore();

    auto *bar = m_widget->findChild<JobBar *>();
    QVERIFY(bar->isVisible());
    QVERIFY(bar->findChild<QLabel *>()->text().startsWith("正在剪切"));
    auto *record = m_widget->findChild<QToolButton *>("btnRecord");
    QVERIFY(!record->isEnabled());
    QVERIFY(!record->toolTip().isEmpty());
    QVERIFY(!m_widget->findChild<QToolButton *>("btnSave")->isEnabled());
    QVERIFY(!chart()->supportClip());
    undoByKey();
    QCOMPARE(m_widget->playPath(), version(1));
    QCOMPARE(chart()->columnCount(), columns);
    chart()->setFocus();
    // Well inside the take (about 78 columns), which may come out a few columns shorter or longer:
    // a selection is clamped to the drawn audio.
    input::drag(chart(), WaveformWidget::LeftMargin + 20, WaveformWidget::LeftMargin + 60);
    QTest::keyClick(chart(), Qt::Key_Delete);
    QCOMPARE(QToolTip::text(), record->toolTip());

    QApplication::setActiveWindow(m_widget);
    QTest::keyClick(m_widget, Qt::Key_Escape);
    QTRY_VERIFY(bar->isHidden());
    QVERIFY(m_failures.isEmpty());
    QVERIFY(record->isEnabled());
    QVERIFY(chart()->supportClip());
    checkShows(version(1));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files | QDir::Hidden), before);

    QTest::keyClick(chart(), Qt::Key_Delete);
    waitForTheJob();
    checkShows(version(7));
    const double selected = 40 / chart()->pixelsPerSecond();
    QVERIFY2(qAbs(durationOf(version(7)) - (durationOf(version(1)) - selected)) < 0.02,
             qPrintable(QString("%1 s cut from %2 s left %3 s")
                            .arg(selected).arg(durationOf(version(1))).arg(durationOf(version(7)))));
    undoByKey();
    checkShows(version(1));
}

// From take_1 current: a cancelled dialog runs nothing and tidies nothing.
void TestRecordWidgetClips::cancelledDialogRunsNothing()
{
    DebugLogRecorder log;
    const QStringList before = QDir(m_folder).entryList(QDir::Files);
    save(QString());
    QCOMPARE(m_dialogs, 1);
    QCOMPARE(m_dialogCaptions, QStringList({"保存文件", "MP3 音频 (*.mp3);;WAV 音频 (*.wav);;AAC 音频 (*.aac);;"
                                                      "WMA 音频 (*.wma);;FLAC 音频 (*.flac);;AC-3 音频 (*.ac3)"}));
    QCOMPARE(m_dialogFolders, QStringList(QStandardPaths::writableLocation(QStandardPaths::MusicLocation)));
    QVERIFY(m_failures.isEmpty());
    QVERIFY(log.lines("filePath").isEmpty());
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), before);
    QCOMPARE(m_widget->playPath(), version(1));
}

void TestRecordWidgetClips::exportsEveryFormat_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::newRow("mp3") << "export.mp3" << "mp3";
    QTest::newRow("aac") << "export.aac" << "aac";
    QTest::newRow("wma") << "export.wma" << "wmav2";
    QTest::newRow("flac") << "export.flac" << "flac";
    QTest::newRow("ac3") << "export.ac3" << "ac3";
    QTest::newRow("wav") << "export.wav" << "pcm_s16le";
    QTest::newRow("upper-case suffix") << "take.MP3" << "mp3";
}

// From take_1 current: each export holds the current version in the codec its name asks for.
void TestRecordWidgetClips::exportsEveryFormat()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    const QString output = m_exports.filePath(name);
    DebugLogRecorder log;
    save(output);
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    QCOMPARE(log.lines("filePath"), QStringList(QString("filePath \"%1\"").arg(output)));
    QCOMPARE(codecOf(output), codec);
    const double expected = durationOf(version(1));
    QVERIFY2(qAbs(durationOf(output) - expected) < 0.1, qPrintable(QString::number(durationOf(output))));
    QCOMPARE(m_widget->playPath(), version(1));
}

// From take_1 current (undo list: take), with take_2, 3, 5, 6 and 7 left over by undone cuts and
// take_4 someone else's: an export that replaces an existing WAV removes exactly the versions this
// take cut that undo and redo cannot reach, and nothing of another name, nor someone else's version.
void TestRecordWidgetClips::exportTidiesOnlyOrphanedVersions()
{
    // A version that redo can bring back is kept too.
    cut(0.1, 0.2);
    checkShows(version(8));
    undoByKey();
    checkShows(version(1));
    const QString chosen = m_folder + "/" + m_base + " export.wav";
    QVERIFY(makeTake(chosen, 1.0));
    const QStringList others{m_base + "_1.mp3", m_base + "_x.wav", "other_2.wav", m_base + ".1.wav"};
    for (const QString &name : others) {
        QFile file(m_folder + "/" + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QStringList before = QDir(m_folder).entryList(QDir::Files);

    save(chosen);
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    QCOMPARE(samples(chosen), samples(version(1)));
    QStringList expected = before;
    for (int n : {2, 3, 5, 6, 7})
        QVERIFY(expected.removeOne(QFileInfo(version(n)).fileName()));
    QCOMPARE(QDir(m_folder).entryList(QDir::Files), expected);
    QCOMPARE(contents(version(4)), QByteArray("someone else's file"));

    // Onto the take, the current version or any other version name of the take: refused, and
    // what undo brings back is unharmed.
    const QByteArray take = contents(m_take);
    const QByteArray current = contents(version(1));
    for (const QString &target : {m_take, version(1), version(9), m_folder + "/../" + QFileInfo(m_folder).fileName() + "/" + m_base + ".wav"})
        save(target);
    QCOMPARE(m_failures.size(), 4);
    QVERIFY(!QFile::exists(version(9)));
    QCOMPARE(contents(m_take), take);
    QCOMPARE(contents(version(1)), current);
    checkShows(version(1));
}

// After the exports to m_exports: the dialog opens there with the last format chosen, and a name
// typed without a format's suffix gets the chosen format's, dots in the name or not. The dialog
// asked about the name as typed: a file of the name with the suffix is replaced only when the user
// says so.
void TestRecordWidgetClips::dialogStartsWhereTheLastExportWentAndAddsTheSuffix()
{
    m_answerFilter = "FLAC 音频 (*.flac)";
    save(m_exports.filePath("no suffix"));
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    QCOMPARE(m_dialogFolders, QStringList(m_exports.path()));
    QCOMPARE(codecOf(m_exports.filePath("no suffix.flac")), QString("flac"));
    QVERIFY(!QFile::exists(m_exports.filePath("no suffix")));
    QCOMPARE(ExportPlace::lastFormat(), QString("flac"));

    m_answerFilter = "MP3 音频 (*.mp3)";
    for (const QString name : {"Mr. Smith", "2024.05.01"}) {
        save(m_exports.filePath(name));
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
        QCOMPARE(codecOf(m_exports.filePath(name + ".mp3")), QString("mp3"));
        QVERIFY(!QFile::exists(m_exports.filePath(name)));
    }
    QVERIFY(m_questions.isEmpty());

    const QString talk = m_exports.filePath("talk.mp3");
    QFile earlierTalk(talk);
    QVERIFY(earlierTalk.open(QIODevice::WriteOnly) && earlierTalk.write("an earlier talk") > 0);
    earlierTalk.close();
    const QByteArray earlier = contents(talk);
    save(m_exports.filePath("talk"));
    QCOMPARE(m_questions, QStringList("保存文件: " + talk + " 已经存在。\n要替换它吗？"));
    QCOMPARE(contents(talk), earlier);
    QVERIFY(m_failures.isEmpty());
    m_replace = true;
    save(m_exports.filePath("talk"));
    m_replace = false;
    QCOMPARE(m_questions.size(), 2);
    QCOMPARE(codecOf(talk), QString("mp3"));
    QVERIFY(qAbs(durationOf(talk) - durationOf(version(1))) < 0.1);
}

// A new take numbers its cuts from 1 again and cannot undo into the earlier take.
void TestRecordWidgetClips::newTakeStartsNumberingAndUndoAfresh()
{
    const QString firstTake = m_take;
    recordTake(1000);
    QVERIFY(m_take != firstTake);
    cut(0.2, 0.4);
    checkShows(version(1));
    undoByKey();
    checkShows(m_take);
    undoByKey();
    checkShows(m_take);
    QVERIFY(QFile::exists(firstTake));
}

// With the second take current: Space and Enter go to the panel's button that has the keyboard,
// and Space plays anywhere else in the panel. Esc cancels a job only from within the panel: in the
// rest of the window (the scene, here a line edit beside the panel) it is that control's. A click in
// the panel brings the keyboard there.
void TestRecordWidgetClips::keysBelongToTheFocusedControl()
{
    auto *save = m_widget->findChild<QToolButton *>("btnSave");
    auto *play = m_widget->findChild<QToolButton *>("btnPauseGo");
    m_answer.clear();
    QApplication::setActiveWindow(m_widget);
    save->setFocus(Qt::TabFocusReason);
    QTest::keyClick(save, Qt::Key_Space);
    QCOMPARE(m_dialogs, 1);
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::StoppedState);
    QTest::keyClick(save, Qt::Key_Return);
    QTRY_COMPARE(m_dialogs, 2);
    play->setFocus(Qt::TabFocusReason);
    QTest::keyClick(play, Qt::Key_Return);
    QTRY_COMPARE(m_widget->player()->state(), QMediaPlayer::PlayingState);
    QTest::keyClick(play, Qt::Key_Space);
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::PausedState);
    QCOMPARE(m_dialogs, 2);
    QApplication::setActiveWindow(m_widget);
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Space);
    QTRY_COMPARE(m_widget->player()->state(), QMediaPlayer::PlayingState);
    QTest::keyClick(chart(), Qt::Key_Space);
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::PausedState);

    m_host = new QWidget;
    auto *layout = new QVBoxLayout(m_host);
    auto *scene = new QLineEdit(m_host);
    layout->addWidget(scene);
    layout->addWidget(m_widget);
    m_widget->show();
    m_host->resize(800, 360);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host));
    QApplication::setActiveWindow(m_host);
    StandInTool slow("exec /bin/sleep 30\n");
    QVERIFY(slow.isValid());
    emit frame()->s_cutAudio(0.1, 0.2);
    slow.restore();
    auto *bar = m_widget->findChild<JobBar *>();
    QVERIFY(bar->isVisible());
    scene->setFocus();
    QTest::keyClick(scene, Qt::Key_Escape);
    QVERIFY(bar->isVisible());
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Escape);
    QTRY_VERIFY(bar->isHidden());
    QVERIFY(m_failures.isEmpty());

    // A click on a button of the panel brings the keyboard into the panel, where Space then pauses.
    scene->setFocus();
    QTest::mouseClick(play, Qt::LeftButton);
    QTRY_COMPARE(m_widget->player()->state(), QMediaPlayer::PlayingState);
    QCOMPARE(QApplication::focusWidget(), chart());
    QTest::keyClick(chart(), Qt::Key_Space);
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::PausedState);
}

// F2 on the selected take, the name typed over the old one, Enter.
void TestRecordWidgetClips::renameSelectedTake(QTreeWidget *takes, const QString &name)
{
    QTest::keyClick(takes, Qt::Key_F2);
    QLineEdit *editor = nullptr;
    QTRY_VERIFY((editor = takes->findChild<QLineEdit *>()));
    editor->selectAll();
    QTest::keyClicks(editor, name);
    QTest::keyClick(editor, Qt::Key_Return);
}

// From the second take current, the first one with versions beside it: the list opens the first
// take as the current one, which cuts and exports as a recorded take does, and renames it while it
// is current: playback, the version shown and undo follow it. The second, no longer current, is
// renamed in place with its version, and the next take still gets a number of its own.
// Moved to the trash, it goes there whole with its version and nothing else; the current take
// and the one recording cannot be moved.
void TestRecordWidgetClips::takeListOpensRenamesAndTrashes()
{
    const QDir folder(m_folder);
    const QString first = folder.filePath("clip_0001.wav");
    const QString second = m_take;
    QCOMPARE(second, folder.filePath("clip_0002.wav"));
    QVERIFY(QFile::exists(folder.filePath("clip_0002_1.wav")));

    QPointer<TakeListDialog> list = openTakeList();
    QVERIFY(list);
    auto *takes = list->findChild<QTreeWidget *>();
    QCOMPARE(takes->topLevelItemCount(), 2);
    list->select(second);
    // Opening it again would lose the way back to its versions.
    QVERIFY(!list->findChild<QPushButton *>("openTake")->isEnabled());
    QVERIFY(!list->findChild<QPushButton *>("trashTake")->isEnabled());
    QVERIFY(!list->findChild<QPushButton *>("trashTake")->toolTip().isEmpty());
    QVERIFY(list->findChild<QPushButton *>("renameTake")->isEnabled());
    QTest::keyClick(takes, Qt::Key_Delete);
    QVERIFY(m_questions.isEmpty());
    QVERIFY(QFile::exists(second));

    list->select(first);
    QTest::keyClick(takes, Qt::Key_Return);
    QTRY_VERIFY(list.isNull());
    m_take = first;
    m_base = "clip_0001";
    checkShows(first);
    const QStringList beforeCut = folder.entryList(QDir::Files);
    cut(1.0, 2.0);
    const QString cutPath = m_widget->playPath();
    QVERIFY2(!beforeCut.contains(QFileInfo(cutPath).fileName()) && QFileInfo(cutPath).fileName().startsWith("clip_0001_"),
             qPrintable(cutPath));
    checkShows(cutPath);
    const QVector<qint16> take = samples(first);
    const QVector<qint16> cutVersion = samples(cutPath);
    QCOMPARE(cutVersion.mid(0, Rate * Channels), take.mid(0, Rate * Channels));
    QCOMPARE(cutVersion.mid(Rate * Channels), take.mid(2 * Rate * Channels));
    save(m_exports.filePath("opened.wav"));
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    QCOMPARE(samples(m_exports.filePath("opened.wav")), cutVersion);

    list = openTakeList();
    takes = list->findChild<QTreeWidget *>();
    list->select(first);
    renameSelectedTake(takes, "first take");
    m_take = folder.filePath("first take.wav");
    m_base = "first take";
    QTRY_COMPARE(list->selectedPath(), m_take);
    const QString renamedCut = folder.filePath("first take" + QFileInfo(cutPath).fileName().mid(9));
    QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join('\n')));
    QVERIFY(!QFile::exists(first) && !QFile::exists(cutPath));
    checkShows(renamedCut);
    QCOMPARE(samples(renamedCut), cutVersion);
    QTest::keyClick(takes, Qt::Key_Escape);
    QTRY_VERIFY(list.isNull());
    // What Ctrl+Z and Ctrl+Shift+Z call: the keys themselves are tested above.
    QVERIFY(QMetaObject::invokeMethod(m_widget, "undo"));
    checkShows(m_take);
    QCOMPARE(samples(m_take), take);
    QVERIFY(QMetaObject::invokeMethod(m_widget, "redo"));
    checkShows(renamedCut);

    list = openTakeList();
    takes = list->findChild<QTreeWidget *>();
    list->select(second);
    renameSelectedTake(takes, "second take");
    const QString renamed = folder.filePath("second take.wav");
    QTRY_COMPARE(list->selectedPath(), renamed);
    QVERIFY(QFile::exists(folder.filePath("second take_1.wav")));
    QVERIFY(!QFile::exists(second));
    QVERIFY(!QFile::exists(folder.filePath("clip_0002_1.wav")));
    QVERIFY(m_failures.isEmpty());
    QTest::keyClick(takes, Qt::Key_Escape);
    QTRY_VERIFY(list.isNull());

    recordTake(1000);
    QCOMPARE(m_take, folder.filePath("clip_0003.wav"));

    const QByteArray secondAudio = contents(renamed);
    QStringList others = folder.entryList(QDir::Files);
    others.removeAll("second take.wav");
    others.removeAll("second take_1.wav");
    list = openTakeList();
    takes = list->findChild<QTreeWidget *>();
    list->select(renamed);
    m_replace = true;
    QTest::keyClick(takes, Qt::Key_Delete);
    m_replace = false;
    QCOMPARE(m_questions.size(), 1);
    QVERIFY(m_failures.isEmpty());
    QCOMPARE(folder.entryList(QDir::Files), others);
    const QDir trash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/files");
    QCOMPARE(contents(trash.filePath("second take.wav")), secondAudio);
    QVERIFY(QFile::exists(trash.filePath("second take_1.wav")));

    list->select(m_take);
    QCOMPARE(list->selectedPath(), m_take);
    QTest::keyClick(takes, Qt::Key_Delete);
    QCOMPARE(m_questions.size(), 1);
    QVERIFY(QFile::exists(m_take));
    list->reject();
    QTRY_VERIFY(list.isNull());

    // While a take records, it stays where it is, and no take can be opened in its place.
    QTest::mouseClick(m_widget->findChild<QToolButton *>("btnRecord"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->elapsedMs() >= 500, StartTimeoutMs);
    const QString recording = m_widget->session()->recordingPath();
    list = openTakeList();
    takes = list->findChild<QTreeWidget *>();
    list->select(recording);
    QCOMPARE(list->selectedPath(), recording);
    QVERIFY(!list->findChild<QPushButton *>("trashTake")->isEnabled());
    QVERIFY(!list->findChild<QPushButton *>("renameTake")->isEnabled());
    QTest::keyClick(takes, Qt::Key_Delete);
    QCOMPARE(m_questions.size(), 1);
    list->select(first);
    QVERIFY(!list->findChild<QPushButton *>("openTake")->isEnabled());
    QTest::keyClick(takes, Qt::Key_Return);
    QVERIFY(m_widget->isRecording());
    list->reject();
    QTest::mouseClick(m_widget->findChild<QToolButton *>("btnRecord"), Qt::LeftButton);
    QTRY_COMPARE(m_widget->recorder()->state(), QMediaRecorder::StoppedState);
    QVERIFY(QFile::exists(recording));
}

// A new take: the readouts, what screen readers read, show the cursor and the selection while it is
// dragged, in the times the file's own rate gives its pixels; Shift+Space plays the selection from
// its start and pauses within a cursor step of its end, the cursor there.
void TestRecordWidgetClips::readoutsFollowTheChartAndPlayingTheSelectionStopsAtItsEnd()
{
    recordTake(4000);
    WaveFile reader;
    QVERIFY(reader.readWaveFile(m_take));
    const double rate = reader.header().sampleRate;
    // The first whole millisecond of the column at x.
    const auto msAt = [rate](int x) {
        return qint64(std::ceil((x - WaveformWidget::LeftMargin) * double(WaveFile::FramesPerBlock) * 1000 / rate));
    };
    const auto clock = [](qint64 ms) { return QTime::fromMSecsSinceStartOfDay(int(ms)).toString("h:mm:ss.zzz"); };
    const auto readout = [this](const char *name) {
        QAccessibleInterface *label = QAccessible::queryAccessibleInterface(m_widget->findChild<QLabel *>(name));
        return label ? label->text(QAccessible::Name) : QString();
    };

    const int from = WaveformWidget::LeftMargin + 23;
    const int to = WaveformWidget::LeftMargin + 71;
    input::mouse(chart(), QEvent::MouseButtonPress, from);
    input::mouse(chart(), QEvent::MouseMove, to);
    const QString dragging = readout("selectionReadout");
    input::mouse(chart(), QEvent::MouseButtonRelease, to, Qt::NoButton);
    for (const qint64 ms : {msAt(from), msAt(to), msAt(to) - msAt(from)})
        QVERIFY2(dragging.contains(clock(ms)), qPrintable(dragging + " lacks " + clock(ms)));
    QCOMPARE(readout("selectionReadout"), dragging);
    QVERIFY2(readout("cursorReadout").contains(clock(msAt(from))), qPrintable(readout("cursorReadout")));

    QMediaPlayer *player = m_widget->player();
    qint64 startedAt = -1;
    connect(player, &QMediaPlayer::stateChanged, this, [&](QMediaPlayer::State state) {
        if (state == QMediaPlayer::PlayingState && startedAt < 0)
            startedAt = player->position();
    });
    QApplication::setActiveWindow(m_widget->window());
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Space, Qt::ShiftModifier);
    QTRY_VERIFY(startedAt >= 0);
    QTRY_COMPARE_WITH_TIMEOUT(player->state(), QMediaPlayer::PausedState, 10000);
    const qint64 end = msAt(to);
    QVERIFY2(qAbs(startedAt - msAt(from)) <= RecordWidget::PlayTickMs, qPrintable(QString::number(startedAt)));
    QVERIFY2(qAbs(player->position() - end) <= RecordWidget::PlayTickMs,
             qPrintable(QString("stopped at %1 ms, the selection ends at %2 ms").arg(player->position()).arg(end)));
    QVERIFY2(qAbs(chart()->cursorMs() - end) <= RecordWidget::PlayTickMs, qPrintable(QString::number(chart()->cursorMs())));
    QVERIFY2(readout("cursorReadout").contains(clock(chart()->cursorMs())), qPrintable(readout("cursorReadout")));
}

QTEST_MAIN(TestRecordWidgetClips)
#include "tst_recordwidgetclips.moc"
