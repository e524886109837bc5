#include "audiofiles.h"
#include "recorder/clipprompts.h"
#include "recorder/levelmeter.h"
#include "recorder/recordwidget.h"
#include "recorder/wavefile.h"
#include "recorder/waveformframe.h"
#include "recorder/waveformwidget.h"
#include "waveformtesting.h"

#include <QAudioProbe>
#include <QAudioRecorder>
#include <QFile>
#include <QLabel>
#include <QMediaPlayer>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtEndian>
#include <QScopeGuard>
#include <QtTest>

// The recorder against a real sound server whose default input carries a steady 440 Hz tone
// (PULSE_SERVER points at it), so that what is recorded, probed and played back is real audio.
namespace {

const QString RecordingOff = QStringLiteral(":/image/blackSkin/Button_Recording_Off.png");
const QString StopOn = QStringLiteral(":/image/blackSkin/Button_Stop_On.png");
const QString PlayOn = QStringLiteral(":/image/blackSkin/Button_Play_On.png");
const QString PauseOff = QStringLiteral(":/image/blackSkin/Button_Pause_Off.png");

// Waiting for the first buffer: the capture can take over a second to start.
const int StartTimeoutMs = 15000;

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(QSize(40, 40)).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool showsImage(QToolButton *button, const QString &image)
{
    return iconImage(button->icon()) == iconImage(QIcon(QPixmap(image)));
}

QString timeText(qint64 ms)
{
    return QTime::fromMSecsSinceStartOfDay(int(ms % 86400000)).toString(QStringLiteral("hh:mm:ss:zzz"));
}

// Counts what the recorder delivers, beside the window's own probe.
struct ProbeCount
{
    explicit ProbeCount(QMediaRecorder *recorder)
    {
        QObject::connect(&probe, &QAudioProbe::audioBufferProbed, [this](const QAudioBuffer &buffer) {
            frames += buffer.frameCount();
            ++buffers;
        });
        attached = probe.setSource(recorder);
    }

    QAudioProbe probe;
    bool attached = false;
    qint64 frames = 0;
    int buffers = 0;
};

// A 16-bit stereo WAV of whole blocks of WaveFile::FramesPerBlock frames. Each block is given as
// {left upper, left lower, right upper, right lower}: its first frame holds the upper values, the
// others the lower ones, so the reader reports exactly those pairs.
void writeWav(const QString &path, const QVector<QVector<qint16>> &blocks)
{
    QByteArray data;
    for (const QVector<qint16> &block : blocks) {
        for (int f = 0; f < WaveFile::FramesPerBlock; ++f) {
            const qint16 frame[2] = {block[f == 0 ? 0 : 1], block[f == 0 ? 2 : 3]};
            data.append(reinterpret_cast<const char *>(frame), sizeof frame);
        }
    }
    QByteArray header;
    const auto u32 = [&header](quint32 v) { v = qToLittleEndian(v); header.append(reinterpret_cast<char *>(&v), 4); };
    const auto u16 = [&header](quint16 v) { v = qToLittleEndian(v); header.append(reinterpret_cast<char *>(&v), 2); };
    header.append("RIFF");
    u32(quint32(36 + data.size()));
    header.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(2);
    u32(44100);
    u32(44100 * 4);
    u16(4);
    u16(16);
    header.append("data");
    u32(quint32(data.size()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(header + data);
}

QAudioBuffer silentBuffer(int frames, int sampleRate)
{
    QAudioFormat format;
    format.setCodec(QStringLiteral("audio/pcm"));
    format.setSampleRate(sampleRate);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setSampleType(QAudioFormat::SignedInt);
    format.setByteOrder(QAudioFormat::LittleEndian);
    return QAudioBuffer(QByteArray(frames * 4, 0), format);
}

} // namespace

class TestRecordWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void formAtStart();
    void timeLabelFormat();
    void elapsedTimeFromFrames();
    void drawsReaderBlocksScaled();
    void recordsPausesAndPlaysATake();
    void newTakeWhilePlaying();
    void newTakeTheMomentTheLastStops();
    void closingWhileRecordingKeepsTheTake();
    void inputIsShownAndAnUnusableOneIsSaid();
    void takeFromAChosenInputInAChosenFormat();
    void meterFollowsTheInputAndShowsClipping();

private:
    QToolButton *button(const char *name) const { return m_widget->findChild<QToolButton *>(name); }
    QLabel *timeLabel() const { return m_widget->findChild<QLabel *>(QStringLiteral("lbTime")); }
    WaveformWidget *chart() const { return m_widget->findChild<WaveformWidget *>(); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void recordTake(int minimumMs);
    void checkTakeFile(qint64 probedFrames);
    void checkPlayback();
    void chooseFromMenu(const QString &text);

    RecordWidget *m_widget = nullptr;
};

void TestRecordWidget::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "the recorder's tests need the suite's sound server");
}

void TestRecordWidget::init()
{
    // Each panel starts as a new user's: default input, 44.1 kHz stereo.
    QSettings().remove(QStringLiteral("Recorder"));
    m_widget = new RecordWidget;
    m_widget->resize(800, 300);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget));
}

void TestRecordWidget::cleanup()
{
    delete m_widget;
    m_widget = nullptr;
}

void TestRecordWidget::formAtStart()
{
    QCOMPARE(m_widget->windowTitle(), QStringLiteral("RecordWidget"));
    QCOMPARE(timeLabel()->text(), QStringLiteral("00:00:00:000"));
    QVERIFY(showsImage(button("btnRecord"), RecordingOff));
    QVERIFY(showsImage(button("btnPauseGo"), PlayOn));
    QVERIFY(button("btnSave")->isEnabled());
    QCOMPARE(button("btnSave")->iconSize(), QSize(40, 40));
    QCOMPARE(m_widget->recordState(), int(RecorderSession::NothingRecorded));
    QVERIFY(m_widget->findChild<WaveformFrame *>(QStringLiteral("waveforFrame")));

    // Pause/go with no take does nothing; Space plays nothing.
    click("btnPauseGo");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::NothingRecorded));
    QVERIFY(showsImage(button("btnPauseGo"), PlayOn));
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::StoppedState);
}

void TestRecordWidget::timeLabelFormat()
{
    const auto show = [this](qlonglong ms) {
        QMetaObject::invokeMethod(m_widget, "updateProgress", Q_ARG(qlonglong, ms));
        return timeLabel()->text();
    };
    QCOMPARE(show(3723004), QStringLiteral("01:02:03:004"));
    QCOMPARE(show(90000000), QStringLiteral("01:00:00:000"));
    QCOMPARE(show(86399999), QStringLiteral("23:59:59:999"));
    QCOMPARE(show(7), QStringLiteral("00:00:00:007"));
    QCOMPARE(show(0), QStringLiteral("00:00:00:000"));
}

// The time is counted from the frames themselves: a per-buffer duration in whole milliseconds
// would give 100 x 23 ms for 1024-frame buffers, and could not be had for a buffer over a second.
void TestRecordWidget::elapsedTimeFromFrames()
{
    const auto probe = [this](int frames, int rate) {
        QMetaObject::invokeMethod(m_widget->session(), "processBuffer", Q_ARG(QAudioBuffer, silentBuffer(frames, rate)));
    };
    for (int i = 0; i < 100; ++i)
        probe(1024, 44100);
    QCOMPARE(m_widget->elapsedMs(), qint64(102400 * 1000 / 44100));
    QCOMPARE(timeLabel()->text(), QStringLiteral("00:00:02:321"));
    probe(88200, 44100);
    QCOMPARE(m_widget->elapsedMs(), qint64(4321));
    // The view gets a column for every 1920 frames, however long the buffers: 190600 frames.
    QCOMPARE(chart()->columnCount(), 99);
    probe(0, 44100);
    probe(1000, 0);
    QCOMPARE(m_widget->elapsedMs(), qint64(4321));
    // A buffer at another rate adds its own time: 1.5 s at 48 kHz.
    probe(72000, 48000);
    QCOMPARE(m_widget->elapsedMs(), qint64(5821));
    QCOMPARE(timeLabel()->text(), QStringLiteral("00:00:05:821"));
    // From then on a column is 1920 frames at 48 kHz, 40 ms: 5.821 s in all.
    QCOMPARE(chart()->columnCount(), 145);
}

// The reader's blocks reach the view scaled from 16-bit values to -1..1.
void TestRecordWidget::drawsReaderBlocksScaled()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("blocks.wav"));
    writeWav(path, {{32767, 0, 0, -16384}, {16384, 0, 32767, -32767}});
    m_widget->session()->openTake(path);
    QCOMPARE(m_widget->playPath(), path);
    QCOMPARE(chart()->columnCount(), 2);

    chart()->setPlayPos(100000);  // the cursor off the columns
    const QImage image = pixels::grab(chart());
    const double reach = chart()->laneHeight() * 0.98 * 0.5;
    const auto strokeLength = [&](int column, int lane) {
        const int x = WaveformWidget::LeftMargin + column * chart()->step();
        int length = 0;
        for (const auto &run : pixels::runs(image, x, colours::Wave)) {
            const int centre = chart()->laneCentre(lane);
            if (run.first <= centre + 1 && run.second >= centre - 1)
                length = run.second - run.first + 1;
        }
        return length;
    };
    // Strokes as long as the scaled spans: full scale to 0 is the lane's reach. Unscaled values
    // would fill the whole lane every time.
    QVERIFY(qAbs(strokeLength(0, 0) - reach) <= 2);
    QVERIFY(qAbs(strokeLength(0, 1) - reach / 2) <= 2);
    QVERIFY(qAbs(strokeLength(1, 0) - reach / 2) <= 2);
    QVERIFY(qAbs(strokeLength(1, 1) - 2 * reach) <= 2);
}

void TestRecordWidget::recordTake(int minimumMs)
{
    QTRY_VERIFY_WITH_TIMEOUT(m_widget->elapsedMs() >= minimumMs, StartTimeoutMs + minimumMs);
}

// The file holds 44.1 kHz stereo 16-bit audio carrying the tone far above silence, at least as
// long as what was probed (the probe starts late and misses buffers, so the file holds more), and
// the finished take is shown as the file is: its length in the label, a column per 1920 of its frames.
void TestRecordWidget::checkTakeFile(qint64 probedFrames)
{
    const QString path = m_widget->playPath();
    QVERIFY2(QFile::exists(path), qPrintable(path));
    WaveFile file;
    qreal loudest = 0;
    connect(&file, &WaveFile::s_waveformData, this, [&loudest](QVector<qreal> &block) {
        for (qreal v : block)
            loudest = qMax(loudest, qAbs(v));
    });
    QVERIFY2(file.readWaveFile(path), qPrintable(file.errorString()));
    QCOMPARE(file.header().sampleRate, 44100u);
    QCOMPARE(file.header().channelCount, quint16(2));
    QCOMPARE(file.header().bitsPerSample, quint16(16));
    const qint64 frames = file.header().dataSize / 4;
    qDebug() << "take of" << frames << "frames," << probedFrames << "probed, loudest sample" << loudest;
    QVERIFY(frames >= probedFrames);
    // The tone peaks near 2900 of 32767; silence, which is what Qt records without a server, is 0.
    QVERIFY(loudest > 1000);
    QCOMPARE(m_widget->elapsedMs(), frames * 1000 / 44100);
    QCOMPARE(timeLabel()->text(), timeText(frames * 1000 / 44100));
    QCOMPARE(chart()->columnCount(), int(frames / 1920));
}

void TestRecordWidget::recordsPausesAndPlaysATake()
{
    ProbeCount probed(m_widget->recorder());
    QVERIFY(probed.attached);

    QMetaObject::invokeMethod(m_widget, "updateProgress", Q_ARG(qlonglong, 5000));
    click("btnRecord");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::Recording));
    QCOMPARE(m_widget->recorder()->state(), QMediaRecorder::RecordingState);
    QVERIFY(!button("btnSave")->isEnabled());
    QVERIFY(showsImage(button("btnRecord"), StopOn));
    QVERIFY(showsImage(button("btnPauseGo"), PauseOff));
    QVERIFY(!chart()->supportClip());
    QCOMPARE(timeLabel()->text(), QStringLiteral("00:00:00:000"));

    recordTake(1000);
    click("btnPauseGo");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::RecordingPaused));
    QCOMPARE(m_widget->recorder()->state(), QMediaRecorder::PausedState);
    QVERIFY(showsImage(button("btnPauseGo"), PlayOn));
    QTest::qWait(300);
    const qint64 paused = m_widget->elapsedMs();
    QTest::qWait(700);
    QCOMPARE(m_widget->elapsedMs(), paused);
    click("btnPauseGo");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::RecordingResumed));
    QCOMPARE(m_widget->recorder()->state(), QMediaRecorder::RecordingState);
    QVERIFY(showsImage(button("btnPauseGo"), PauseOff));
    recordTake(2000);

    // The label shows the time of the probed frames, and the view a column per 1920 of them,
    // each column drawn from the tone's levels.
    QCOMPARE(timeLabel()->text(), timeText(m_widget->elapsedMs()));
    QCOMPARE(m_widget->elapsedMs(), probed.frames * 1000 / 44100);
    QVERIFY(probed.buffers > 0);
    QCOMPARE(chart()->columnCount(), int(probed.frames / 1920));
    const QImage drawn = pixels::grab(chart());
    QVERIFY(pixels::count(drawn, drawn.rect(), colours::Wave) > 8 * chart()->columnCount());

    click("btnRecord");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::TakeFinished));
    QVERIFY(button("btnSave")->isEnabled());
    QVERIFY(showsImage(button("btnRecord"), RecordingOff));
    QVERIFY(showsImage(button("btnPauseGo"), PlayOn));
    QVERIFY(chart()->supportClip());
    QVERIFY(!m_widget->recordUrl().isEmpty());
    QCOMPARE(m_widget->recorder()->state(), QMediaRecorder::StoppedState);
    QTRY_COMPARE(m_widget->player()->mediaStatus(), QMediaPlayer::LoadedMedia);
    checkTakeFile(probed.frames);
    checkPlayback();
}

void TestRecordWidget::checkPlayback()
{
    auto *timer = m_widget->findChild<QTimer *>();
    QVERIFY(timer);
    const int start = chart()->cursorX();

    click("btnPauseGo");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::Playing));
    QVERIFY(showsImage(button("btnPauseGo"), PauseOff));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), RecordWidget::PlayTickMs);
    QTRY_VERIFY_WITH_TIMEOUT(chart()->cursorX() > start + 5, 5000);

    click("btnPauseGo");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::PlaybackPaused));
    QVERIFY(showsImage(button("btnPauseGo"), PlayOn));
    QVERIFY(!timer->isActive());
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::PausedState);

    // Playing on to the end: the player stops and the buttons show play again.
    click("btnPauseGo");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::Playing));
    QTRY_COMPARE_WITH_TIMEOUT(m_widget->player()->state(), QMediaPlayer::StoppedState, 10000);
    QCOMPARE(m_widget->recordState(), int(RecorderSession::PlaybackPaused));
    QVERIFY(showsImage(button("btnPauseGo"), PlayOn));
    QVERIFY(!timer->isActive());

    // Space plays and pauses as the button does: the cursor moves and the icon follows.
    // The key reaches the shortcut as the shortcut map hands it on; the suite's windows share one
    // X server, so this window cannot count on being the active one.
    QShortcut *space = nullptr;
    for (QShortcut *shortcut : m_widget->findChildren<QShortcut *>()) {
        if (shortcut->key() == QKeySequence(Qt::Key_Space))
            space = shortcut;
    }
    QVERIFY(space);
    auto pressSpace = [space] {
        QShortcutEvent pressed(space->key(), space->id());
        QApplication::sendEvent(space, &pressed);
    };
    const int before = chart()->cursorX();
    pressSpace();
    QCOMPARE(m_widget->recordState(), int(RecorderSession::Playing));
    QTRY_COMPARE(m_widget->player()->state(), QMediaPlayer::PlayingState);
    QVERIFY(showsImage(button("btnPauseGo"), PauseOff));
    QTRY_VERIFY_WITH_TIMEOUT(chart()->cursorX() != before, 5000);
    pressSpace();
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::PausedState);
    QVERIFY(showsImage(button("btnPauseGo"), PlayOn));
    QVERIFY(!timer->isActive());
    QVERIFY(showsImage(button("btnRecord"), RecordingOff));
}

// Starting a take stops the playback first, so the recording keeps its state and icons.
void TestRecordWidget::newTakeWhilePlaying()
{
    ProbeCount probed(m_widget->recorder());
    QVERIFY(probed.attached);
    click("btnRecord");
    recordTake(2000);
    click("btnRecord");
    QCOMPARE(m_widget->recorder()->state(), QMediaRecorder::StoppedState);
    QTRY_COMPARE(m_widget->player()->mediaStatus(), QMediaPlayer::LoadedMedia);
    checkTakeFile(probed.frames);
    click("btnPauseGo");
    QTRY_COMPARE(m_widget->player()->state(), QMediaPlayer::PlayingState);

    click("btnRecord");
    QCOMPARE(m_widget->player()->state(), QMediaPlayer::StoppedState);
    QCOMPARE(m_widget->recordState(), int(RecorderSession::Recording));
    QVERIFY(showsImage(button("btnPauseGo"), PauseOff));
    QCOMPARE(m_widget->elapsedMs(), qint64(0));
    QCOMPARE(chart()->columnCount(), 0);
    click("btnRecord");
}

// A take started the instant the last one stopped records for real, into a file of its own.
void TestRecordWidget::newTakeTheMomentTheLastStops()
{
    ProbeCount probed(m_widget->recorder());
    QVERIFY(probed.attached);
    click("btnRecord");
    recordTake(1000);
    click("btnRecord");
    const QString firstTake = m_widget->playPath();
    probed.frames = 0;
    click("btnRecord");
    QCOMPARE(m_widget->recordState(), int(RecorderSession::Recording));
    QVERIFY(showsImage(button("btnRecord"), StopOn));
    QCOMPARE(m_widget->elapsedMs(), qint64(0));
    recordTake(2000);
    if (QTest::currentTestFailed())
        return;
    click("btnRecord");
    QTRY_COMPARE(m_widget->player()->mediaStatus(), QMediaPlayer::LoadedMedia);
    QVERIFY(m_widget->playPath() != firstTake);
    checkTakeFile(probed.frames);
    QVERIFY(QFile::exists(firstTake));
}

// The window going away in the middle of a take (the program closed) leaves a complete file.
void TestRecordWidget::closingWhileRecordingKeepsTheTake()
{
    click("btnRecord");
    recordTake(1000);
    const QString path = m_widget->recorder()->outputLocation().path();
    QElapsedTimer closing;
    closing.start();
    delete m_widget;
    m_widget = nullptr;
    // Ended by the recorder's report, not by the time limit.
    QVERIFY(closing.elapsed() < RecorderSession::FinaliseTimeoutMs);
    WaveFile file;
    QVERIFY2(file.readWaveFile(path), qPrintable(path + ": " + file.errorString()));
    QVERIFY(file.header().dataSize >= 44100 * 4);
    QCOMPARE(qint64(file.header().dataSize) + 44, QFileInfo(path).size());
}

// The record button says which input a take will use; a take the backend cannot record from ends
// at once with the backend's reason, instead of seeming to record.
void TestRecordWidget::inputIsShownAndAnUnusableOneIsSaid()
{
    QVERIFY(button("btnRecord")->toolTip().endsWith("\n录音输入：系统默认输入"));
    m_widget->setInputDevName("alsa:pulse:DEVICE=velora_zq05_in");
    QVERIFY(button("btnRecord")->toolTip().endsWith("\n录音输入：velora_zq05_in"));

    QStringList failures;
    ClipPrompts::setFailureReporter([&failures](const QString &title, const QString &text) { failures << title + ": " + text; });
    auto restore = qScopeGuard([] { ClipPrompts::setFailureReporter(nullptr); });
    m_widget->setInputDevName("alsa:nosuchpcm");
    click("btnRecord");
    QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, 10000);
    QVERIFY2(failures[0].startsWith("录音: 录音失败："), qPrintable(failures[0]));
    QCOMPARE(m_widget->recorder()->state(), QMediaRecorder::StoppedState);
    QCOMPARE(m_widget->recordState(), int(RecorderSession::TakeFinished));
    QVERIFY(showsImage(button("btnRecord"), RecordingOff));
}

// A click opens the panel's input menu; the entry is clicked where the menu shows it.
void TestRecordWidget::chooseFromMenu(const QString &text)
{
    QToolButton *menuButton = button("inputMenu");
    QString offered;
    QTimer pick;  // ends with this function, should the menu not open
    pick.setSingleShot(true);
    connect(&pick, &QTimer::timeout, this, [&] {
        QMenu *menu = menuButton->menu();
        for (QAction *action : menu->actions()) {
            offered += action->text() + "; ";
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
        offered += "(not found)";
    });
    pick.start(500);
    QTest::mouseClick(menuButton, Qt::LeftButton);
    QVERIFY2(!offered.endsWith("(not found)") && !offered.isEmpty(), qPrintable(text + " among " + offered));
}

// An input other than the default, chosen from the system's list, and 48 kHz mono make a take in
// that format with that input's 1000 Hz tone (the default input carries 440 Hz), timed and drawn
// as the file is; a new panel remembers both choices.
void TestRecordWidget::takeFromAChosenInputInAChosenFormat()
{
    chooseFromMenu("cardmic.monitor");
    chooseFromMenu("48 kHz 单声道");
    QCOMPARE(button("inputMenu")->text(), QStringLiteral("cardmic.monitor · 48 kHz 单声道"));
    QCOMPARE(m_widget->inputDevName(), QStringLiteral("alsa:pulse:DEVICE=cardmic.monitor"));
    click("btnRecord");
    QVERIFY(!button("inputMenu")->isEnabled());
    recordTake(2000);
    click("btnRecord");
    QTRY_COMPARE(m_widget->player()->mediaStatus(), QMediaPlayer::LoadedMedia);
    const QString path = m_widget->playPath();
    QCOMPARE(audiofiles::probe(path, "stream=sample_rate,channels"), QStringLiteral("48000\n1"));
    const QVector<qint16> audio = audiofiles::samples(path);
    int rises = 0;
    for (int i = 1; i < audio.size(); ++i)
        rises += audio[i - 1] < 0 && audio[i] >= 0;
    const double hertz = rises * 48000.0 / audio.size();
    QVERIFY2(qAbs(hertz - 1000) < 20, qPrintable(QString::number(hertz)));
    QCOMPARE(m_widget->elapsedMs(), audio.size() * 1000LL / 48000);
    QCOMPARE(chart()->columnCount(), audio.size() / 1920);
    QCOMPARE(chart()->laneCount(), 1);
    const QImage drawn = pixels::grab(chart());
    QVERIFY(pixels::count(drawn, drawn.rect(), colours::Wave) > 8 * chart()->columnCount());

    RecordWidget again;
    QCOMPARE(again.findChild<QToolButton *>("inputMenu")->accessibleDescription(), button("inputMenu")->text());
    QCOMPARE(again.inputDevName(), m_widget->inputDevName());
}

// The meter listens while the panel is shown, not recording: the suite's tone (-21 dBFS, 2896 of
// 32767) fills the bar to 65 % and leaves the clip light dark; a tone at full scale lights it.
void TestRecordWidget::meterFollowsTheInputAndShowsClipping()
{
    auto *meter = m_widget->findChild<LevelMeter *>();
    QTRY_VERIFY_WITH_TIMEOUT(meter->level() > 0.08, StartTimeoutMs);
    QVERIFY2(meter->level() < 0.1 && !meter->clipShown(), qPrintable(QString::number(meter->level())));
    const int barWidth = meter->width() - 10;
    QImage image = meter->grab().toImage();
    QCOMPARE(image.pixelColor(barWidth * 6 / 10, 3), QColor(0x6a, 0x2b, 0xd9));
    QCOMPARE(image.pixelColor(barWidth * 8 / 10, 3), QColor(0x1e, 0x1e, 0x1e));
    QCOMPARE(image.pixelColor(meter->width() - 3, 3), QColor(0x4a, 0x22, 0x22));

    const QString module = QString::fromUtf8(audiofiles::runTool("pactl", {"load-module", "module-null-sink", "sink_name=loud"})).trimmed();
    QProcess tone;
    tone.start("bash", {"-c", "ffmpeg -nostdin -loglevel error -f lavfi -i 'aevalsrc=sin(2*PI*440*t)|sin(2*PI*440*t):s=44100' "
                              "-f s16le - | pacat --playback -d loud --format=s16le --rate=44100 --channels=2"});
    auto stopTone = qScopeGuard([&] {
        tone.kill();
        tone.waitForFinished();
        audiofiles::runTool("pactl", {"unload-module", module});
    });
    chooseFromMenu("loud.monitor");
    QTRY_VERIFY2_WITH_TIMEOUT(meter->clipShown(), qPrintable(QString::number(meter->level(), 'f', 6)), StartTimeoutMs);
    QVERIFY(meter->level() > 0.99);
    image = meter->grab().toImage();
    QCOMPARE(image.pixelColor(meter->width() - 3, 3), QColor(0xe5, 0x39, 0x35));
    QVERIFY(meter->accessibleDescription().endsWith("，已削波"));
}

QTEST_MAIN(TestRecordWidget)
#include "tst_recordwidget.moc"
