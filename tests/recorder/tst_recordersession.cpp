#include "recorder/recordersession.h"
#include "recorder/wavefile.h"

#include <QAudioRecorder>
#include <QFile>
#include <QMediaPlayer>
#include <QtTest>

// The recorder's state without its panel, against the suite's sound server, whose default input
// carries a steady 440 Hz tone: what is recorded, probed, finalised and played is real audio.
class TestRecorderSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsPausesFinishesAndPlaysATake();

private:
    void recordAtLeast(RecorderSession &session, qint64 ms);
};

namespace {

const int StartTimeoutMs = 15000;  // the capture can take over a second to start

// The loudest level of every block the session reported; the tone's are far above silence's 0.
qreal loudest(const QSignalSpy &blocks)
{
    qreal level = 0;
    for (const QList<QVariant> &emitted : blocks) {
        for (qreal value : emitted.at(0).value<QVector<qreal>>())
            level = qMax(level, qAbs(value));
    }
    return level;
}

QList<RecorderSession::State> states(const QSignalSpy &spy)
{
    QList<RecorderSession::State> list;
    for (const QList<QVariant> &emitted : spy)
        list << emitted.at(0).value<RecorderSession::State>();
    return list;
}

} // namespace

void TestRecorderSession::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("PULSE_SERVER"), "the recorder's tests need the suite's sound server");
    qRegisterMetaType<RecorderSession::State>();
    qRegisterMetaType<VersionReader::Version>();
    qRegisterMetaType<QVector<qreal>>();
}

void TestRecorderSession::recordAtLeast(RecorderSession &session, qint64 ms)
{
    QTRY_VERIFY_WITH_TIMEOUT(session.elapsedMs() >= ms, StartTimeoutMs + int(ms));
}

void TestRecorderSession::recordsPausesFinishesAndPlaysATake()
{
    RecorderSession session;
    QSignalSpy stateSpy(&session, &RecorderSession::stateChanged);
    QSignalSpy recording(&session, &RecorderSession::recordingChanged);
    QSignalSpy blocks(&session, &RecorderSession::blocksProbed);
    QSignalSpy versions(&session, &RecorderSession::versionRead);

    session.recordOrStop();
    QCOMPARE(session.state(), RecorderSession::Recording);
    QVERIFY(session.isRecording());
    QCOMPARE(recording.count(), 1);
    QCOMPARE(recording.last().at(0).toBool(), true);
    recordAtLeast(session, 1000);
    QVERIFY2(loudest(blocks) > 0.03, "the probed levels carry the tone");

    // Paused, the take stops growing; resumed, it goes on.
    session.pauseOrGo();
    QCOMPARE(session.state(), RecorderSession::RecordingPaused);
    QCOMPARE(session.recorder()->state(), QMediaRecorder::PausedState);
    QTest::qWait(300);
    const qint64 paused = session.elapsedMs();
    QTest::qWait(700);
    QCOMPARE(session.elapsedMs(), paused);
    session.pauseOrGo();
    QCOMPARE(session.state(), RecorderSession::RecordingResumed);
    recordAtLeast(session, paused + 1000);

    // Finished, the take's file is finalised before the call returns, read back, and its length is
    // the time reported.
    session.recordOrStop();
    QCOMPARE(session.state(), RecorderSession::TakeFinished);
    QVERIFY(!session.isRecording());
    QVERIFY(session.recorder()->status() != QMediaRecorder::FinalizingStatus);
    QCOMPARE(recording.count(), 2);
    QCOMPARE(recording.last().at(0).toBool(), false);
    QCOMPARE(versions.count(), 1);
    const auto version = versions.last().at(0).value<VersionReader::Version>();
    QVERIFY(version.read);
    QCOMPARE(version.path, session.playPath());
    WaveFile file;
    QVERIFY2(file.readWaveFile(session.playPath()), qPrintable(file.errorString()));
    QCOMPARE(qint64(file.header().dataSize / 4), file.frameCount());
    QVERIFY(file.durationMs() >= paused + 1000);
    QCOMPARE(version.durationMs, file.durationMs());
    QCOMPARE(session.elapsedMs(), file.durationMs());
    QCOMPARE(version.blocks.columnCount(), int(file.frameCount() / WaveFile::FramesPerBlock));
    QCOMPARE(session.player()->media().request().url().toLocalFile(), session.playPath());

    // Played, paused, played again to the end, where the player stopping pauses the session.
    session.pauseOrGo();
    QCOMPARE(session.state(), RecorderSession::Playing);
    QTRY_COMPARE(session.player()->state(), QMediaPlayer::PlayingState);
    QTRY_VERIFY_WITH_TIMEOUT(session.player()->position() > 200, 5000);
    session.pauseOrGo();
    QCOMPARE(session.state(), RecorderSession::PlaybackPaused);
    QCOMPARE(session.player()->state(), QMediaPlayer::PausedState);
    session.setPosition(file.durationMs() - 500);
    session.pauseOrGo();
    QCOMPARE(session.state(), RecorderSession::Playing);
    QTRY_COMPARE_WITH_TIMEOUT(session.player()->state(), QMediaPlayer::StoppedState, 10000);
    QCOMPARE(session.state(), RecorderSession::PlaybackPaused);

    QCOMPARE(states(stateSpy),
             (QList<RecorderSession::State>{RecorderSession::Recording, RecorderSession::RecordingPaused,
                                            RecorderSession::RecordingResumed, RecorderSession::TakeFinished,
                                            RecorderSession::Playing, RecorderSession::PlaybackPaused,
                                            RecorderSession::Playing, RecorderSession::PlaybackPaused}));
}

// No widget and no window: the session needs neither.
QTEST_GUILESS_MAIN(TestRecorderSession)
#include "tst_recordersession.moc"
