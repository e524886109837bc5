#include "recordersession.h"

#include "bufferlevels.h"
#include "clipeditor.h"
#include "recorderchoices.h"
#include "takelist.h"
#include "takepath.h"
#include "takespace.h"
#include "wavefile.h"

#include <QAudioEncoderSettings>
#include <QAudioProbe>
#include <QAudioRecorder>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>

namespace {

QString recorderTitle()
{
    return QCoreApplication::translate("RecordWidget", "录音");
}

} // namespace

RecorderSession::RecorderSession(QObject *parent)
    : QObject(parent),
      m_spaceWatch(new QTimer(this)),
      m_editor(new ClipEditor(this)),
      m_reader(new VersionReader(this))
{
    connect(m_spaceWatch, &QTimer::timeout, this, &RecorderSession::checkSpace);
    connect(m_editor, &ClipEditor::jobEnded, this, &RecorderSession::onJobEnded);
    connect(m_editor, &ClipEditor::failed, this, &RecorderSession::failed);
    connect(m_reader, &VersionReader::versionRead, this, &RecorderSession::onVersionRead);
}

RecorderSession::~RecorderSession()
{
    delete m_player;
}

void RecorderSession::ensureMedia()
{
    if (m_recorder)
        return;
    m_recorder = new QAudioRecorder(this);
    m_probe = new QAudioProbe(this);
    m_player = new QMediaPlayer;
    connectMedia();
}

void RecorderSession::connectMedia()
{
    connect(m_probe, &QAudioProbe::audioBufferProbed, this, &RecorderSession::processBuffer);
    m_probe->setSource(m_recorder);
    // The time shown on a state change is the probed one too: some backends report a duration of
    // 0 once a take stops, which would wipe the length of the take from the label.
    connect(m_recorder, &QMediaRecorder::stateChanged, this, [this] { emit elapsedChanged(m_elapsedMs); });
    connect(m_recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error), this, &RecorderSession::onRecorderError);
    connect(m_player, &QMediaPlayer::stateChanged, this, &RecorderSession::onPlayerStateChanged);
}

void RecorderSession::abandon(bool waitForFile)
{
    if (!m_recorder)
        return;
    m_recorder->disconnect(this);
    m_probe->disconnect(this);
    if (m_recorder->state() == QMediaRecorder::StoppedState)
        return;
    m_recorder->stop();
    if (waitForFile)
        waitForFinalisedTake();
}

// The backend finalises a file in the background and reports it through the event loop; the wait
// ends there, or after FinaliseTimeoutMs should the report never come.
void RecorderSession::waitForFinalisedTake()
{
    if (m_recorder->status() != QMediaRecorder::FinalizingStatus)
        return;
    QEventLoop loop;
    connect(m_recorder, &QMediaRecorder::statusChanged, &loop, [&loop](QMediaRecorder::Status status) {
        if (status != QMediaRecorder::FinalizingStatus)
            loop.quit();
    });
    QTimer::singleShot(FinaliseTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool RecorderSession::isRecording() const
{
    return m_recorder && m_recorder->state() != QMediaRecorder::StoppedState;
}

QString RecorderSession::recordingPath() const
{
    return isRecording() ? takeLocalPath(m_takeLocation) : QString();
}

void RecorderSession::recordOrStop()
{
    ensureMedia();
    if (m_recorder->state() == QMediaRecorder::StoppedState)
        startTake();
    else
        finishTake();
}

// What the record button says about the input a take will use: the card's, or the system's default.
QString RecorderSession::inputDescription() const
{
    if (m_inputDevName.isEmpty() || m_inputDevName == RecorderChoices::defaultInput())
        return QCoreApplication::translate("RecordWidget", "录音输入：系统默认输入");
    return QCoreApplication::translate("RecordWidget", "录音输入：%1").arg(RecorderChoices::shortName(m_inputDevName));
}

void RecorderSession::finishRecording()
{
    if (isRecording())
        finishTake();
}

void RecorderSession::startTake()
{
    const QString folder = TakeSpace::nextTakeFolder();
    const qint64 freeBytes = TakeSpace::bytesFree(folder);
    if (freeBytes >= 0 && freeBytes < TakeSpace::StartSeconds * m_format.bytesPerSecond()) {
        emit failed(recorderTitle(), TakeSpace::notEnoughToStart(folder, freeBytes, m_format.bytesPerSecond()));
        return;
    }
    m_recorder->setAudioInput(m_inputDevName);
    // No codec is named: the container's own default is taken. A codec name the backend does not
    // know, such as "Default", makes it fail to build the capture and record nothing, silently.
    QAudioEncoderSettings audio;
    audio.setSampleRate(m_format.sampleRate);
    audio.setChannelCount(m_format.channels);
    audio.setQuality(QMultimedia::HighQuality);
    audio.setEncodingMode(QMultimedia::ConstantQualityEncoding);
    m_recorder->setEncodingSettings(audio, QVideoEncoderSettings(), QStringLiteral("audio/x-wav"));
    emit takeStarted();
    // The label goes on showing the last take's time until the first buffer of this one.
    m_elapsedMs = 0;
    m_recordedTime.reset();
    // Undo stays within one take: the versions of an earlier take never come back in place of this one.
    m_editor->startTake(QString());
    m_reader->cancel();
    m_column = ColumnLevels();
    m_blocksDone = 0;
    // The player goes first: its stop reports the stopped state, which would otherwise overwrite
    // the recording state.
    if (m_player->state() != QMediaPlayer::StoppedState)
        m_player->stop();
    setState(Recording);
    // The take goes where the room check and the recovery look: the backends do not all choose
    // that folder themselves (Windows' writes into the home folder).
    m_recorder->setOutputLocation(QUrl::fromLocalFile(TakeSpace::nextTakePath(folder)));
    m_recorder->record();
    // Resuming after a pause makes some backends report a new location while they go on writing
    // the same file, so the take's location is the one reported when it starts.
    m_takeLocation = m_recorder->outputLocation();
    m_spaceWatch->start(SpaceCheckMs);
    emit recordingChanged(true);
}

// Once the disk holding the take is nearly full, the take is finished while its file can still be
// completed.
void RecorderSession::checkSpace()
{
    const QString folder = QFileInfo(takeLocalPath(m_takeLocation)).absolutePath();
    const qint64 freeBytes = TakeSpace::bytesFree(folder);
    if (freeBytes < 0 || freeBytes >= TakeSpace::ReserveSeconds * m_format.bytesPerSecond() || m_recorder->state() == QMediaRecorder::StoppedState)
        return;
    finishTake();
    emit failed(recorderTitle(), TakeSpace::stoppedForWantOfRoom(folder, freeBytes));
}

// A take the backend could not go on with is finished as far as it got, and the user is told why:
// silently, the panel would go on showing a take that records nothing.
void RecorderSession::onRecorderError()
{
    // One report a take: a failing capture tends to say so more than once.
    if (m_state != Recording && m_state != RecordingPaused && m_state != RecordingResumed)
        return;
    finishTake();
    emit failed(recorderTitle(),
                QCoreApplication::translate("RecordWidget", "录音失败：%1").arg(m_recorder->errorString()));
}

void RecorderSession::finishTake()
{
    m_spaceWatch->stop();
    m_recorder->stop();
    setState(TakeFinished);
    m_recordUrl = m_takeLocation;
    m_editor->startTake(takeLocalPath(m_recordUrl));
    // The file is complete only once the recorder has finalised it; its header, with the length
    // of its data, is written last. The user's clicks wait with it: a take started while the last
    // one is still being finalised gets a single buffer from the capture and writes no file.
    waitForFinalisedTake();
    emit recordingChanged(false);
    showVersion(takeLocalPath(m_recordUrl));
}

void RecorderSession::openTake(const QString &path)
{
    ensureMedia();
    if (m_recorder->state() != QMediaRecorder::StoppedState || busy())
        return;
    if (m_player->state() != QMediaPlayer::StoppedState)
        m_player->stop();
    m_recordUrl = QUrl::fromLocalFile(path);
    m_editor->startTake(path);
    setState(TakeFinished);
    showVersion(path);
}

QString RecorderSession::renameTake(const QString &takePath, const QString &newName, QString *error)
{
    const TakeSession &take = m_editor->session();
    if (!take.hasTake() || QFileInfo(takePath) != QFileInfo(take.takePath()))
        return TakeList::rename(takePath, newName, error);
    if (busy()) {
        *error = renameWaitsText();
        return QString();
    }
    // The player lets go of the file first: a file open for playing cannot be renamed everywhere.
    ensureMedia();
    const qint64 position = m_player->position();
    m_player->setMedia(QMediaContent());
    const QString renamed = TakeList::rename(takePath, newName, error);
    if (!renamed.isEmpty()) {
        m_editor->renameTake(renamed);
        m_recordUrl = QUrl::fromLocalFile(renamed);
        m_playPath = m_editor->session().current();
    }
    m_player->setMedia(QUrl::fromLocalFile(m_playPath));
    m_player->setPosition(position);
    return renamed;
}

QString RecorderSession::renameWaitsText()
{
    return QCoreApplication::translate("RecorderSession", "剪切或导出进行中，完成或取消后才能改名。");
}

void RecorderSession::pauseOrGo()
{
    ensureMedia();
    if (m_recorder->state() == QMediaRecorder::RecordingState) {
        m_recorder->pause();
        setState(RecordingPaused);
    } else if (m_recorder->state() == QMediaRecorder::PausedState) {
        m_recorder->record();
        setState(RecordingResumed);
    } else if (m_player->state() == QMediaPlayer::PlayingState) {
        m_player->pause();
        setState(PlaybackPaused);
    } else if (!m_recordUrl.isEmpty()) {
        m_player->play();
        setState(Playing);
    }
}

bool RecorderSession::undo()
{
    if (busy() || !m_editor->undo())
        return false;
    showVersion(m_editor->session().current());
    return true;
}

bool RecorderSession::redo()
{
    if (busy() || !m_editor->redo())
        return false;
    showVersion(m_editor->session().current());
    return true;
}

void RecorderSession::setPosition(qint64 ms)
{
    ensureMedia();
    m_player->setPosition(ms);
}

void RecorderSession::onPlayerStateChanged(int state)
{
    if (state == QMediaPlayer::StoppedState)
        setState(PlaybackPaused);
}

void RecorderSession::processBuffer(QAudioBuffer buffer)
{
    const int rate = buffer.format().sampleRate();
    m_recordedTime.add(buffer.frameCount(), rate);
    setElapsed(m_recordedTime.milliseconds());
    m_column.merge(BufferLevels::bufferLevels(buffer));
    if (rate > 0)
        m_blockRate = rate;
    emitDueBlocks();
}

// Blocks as long as the reader's, so that the take drawn live and the same take read back after a
// cut keep to one time ruler; they are due as the recorded time reaches them, whatever the length
// of the buffers, and a buffer longer than a block fills several.
void RecorderSession::emitDueBlocks()
{
    if (m_blockRate <= 0)
        return;
    const qint64 due = m_recordedTime.microseconds() * m_blockRate / (qint64(1000000) * WaveFile::FramesPerBlock);
    if (m_blocksDone >= due)
        return;
    const QVector<qreal> levels = m_column.take();
    const int count = int(due - m_blocksDone);
    m_blocksDone = due;
    emit blocksProbed(levels, count, m_blockRate);
}

void RecorderSession::setState(State state)
{
    m_state = state;
    emit stateChanged(state);
}

void RecorderSession::setElapsed(qint64 ms)
{
    m_elapsedMs = ms;
    emit elapsedChanged(ms);
}

// A version made by a cut is read in the background: a long take takes a while. The version shown
// until then stays, and nothing may cut or change it, since its times are not those of the new one.
void RecorderSession::onJobEnded(TakeSession::Job job, bool succeeded)
{
    if (job == TakeSession::Job::Cutting && succeeded)
        m_reader->readInBackground(m_editor->session().current());
}

void RecorderSession::showVersion(const QString &path)
{
    m_reader->read(path);
}

void RecorderSession::onVersionRead(const VersionReader::Version &version)
{
    // The player changes to the version once it is read, so that what plays is what the chart shows.
    m_playPath = version.path;
    m_player->setMedia(QUrl::fromLocalFile(version.path));
    if (version.read) {
        m_versionMs = version.durationMs;
        setElapsed(version.durationMs);
    }
    emit versionRead(version);
}

bool RecorderSession::busy() const
{
    return m_editor->busy() || m_reader->isReading();
}
