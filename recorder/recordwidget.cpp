#include "recordwidget.h"
#include "ui_recordwidget.h"

#include "bufferlevels.h"
#include "clipprompts.h"
#include "ffmpegarguments.h"
#include "ffmpegrunner.h"
#include "takepath.h"
#include "takeversions.h"
#include "waveformwidget.h"

#include <QAudioEncoderSettings>
#include <QAudioProbe>
#include <QAudioRecorder>
#include <QEventLoop>
#include <QDebug>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPixmap>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

namespace {

const QString RecordingOff = QStringLiteral(":/image/blackSkin/Button_Recording_Off.png");
const QString StopOn = QStringLiteral(":/image/blackSkin/Button_Stop_On.png");
const QString PlayOn = QStringLiteral(":/image/blackSkin/Button_Play_On.png");
const QString PauseOff = QStringLiteral(":/image/blackSkin/Button_Pause_Off.png");

const int TakeSampleRate = 44100;
const int TakeChannels = 2;

// The chart's name and keys for assistive technology, in the current language.
void nameChart(QWidget *chart)
{
    chart->setAccessibleName(QCoreApplication::translate("RecordWidget", "波形"));
    chart->setAccessibleDescription(QCoreApplication::translate(
        "RecordWidget", "方向键移动光标，Shift+方向键选择，Delete 剪切所选，空格播放，Ctrl+Z 撤销"));
}

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

RecordWidget::RecordWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::RecordWidget),
      m_reader(this),
      m_recorder(new QAudioRecorder(this)),
      m_probe(new QAudioProbe(this)),
      m_player(new QMediaPlayer),
      m_playTimer(new QTimer(this))
{
    ui->setupUi(this);
    connectParts();
    // Keys of the buttons' own; each works while its button is shown and enabled. F6 brings the
    // keyboard from the scene above into the panel, where Tab then walks its controls.
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_R), ui->btnRecord, SLOT(click()));
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_P), ui->btnPauseGo, SLOT(click()));
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_S), ui->btnSave, SLOT(click()));
    QWidget *chart = ui->waveforFrame->waveformWidget();
    connect(new QShortcut(QKeySequence(Qt::Key_F6), chart), &QShortcut::activated, chart,
            [chart] { chart->setFocus(Qt::ShortcutFocusReason); });
    nameChart(ui->waveforFrame->waveformWidget());
}

void RecordWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        nameChart(ui->waveforFrame->waveformWidget());
    }
    QWidget::changeEvent(event);
}

RecordWidget::~RecordWidget()
{
    m_recorder->disconnect(this);
    m_probe->disconnect(this);
    // A take still recording is finished, so that its file is complete: its header is written last.
    if (m_recorder->state() != QMediaRecorder::StoppedState) {
        m_recorder->stop();
        waitForFinalisedTake();
    }
    delete m_player;
    delete ui;
}

// The backend finalises a file in the background and reports it through the event loop; the wait
// ends there, or after FinaliseTimeoutMs should the report never come.
void RecordWidget::waitForFinalisedTake()
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

void RecordWidget::connectParts()
{
    connect(m_probe, &QAudioProbe::audioBufferProbed, this, &RecordWidget::processBuffer);
    m_probe->setSource(m_recorder);
    // The time shown on a state change is the probed one too: some backends report a duration of
    // 0 once a take stops, which would wipe the length of the take from the label.
    connect(m_recorder, &QMediaRecorder::stateChanged, this, [this] { updateProgress(m_elapsedMs); });
    connect(m_player, &QMediaPlayer::stateChanged, this, &RecordWidget::onPlayerStateChanged);
    connect(m_playTimer, &QTimer::timeout, this,
            [this] { ui->waveforFrame->setPlayPos(m_player->position()); });
    connect(ui->waveforFrame, &WaveformFrame::s_cutAudio, this, &RecordWidget::cutAudio);
    connect(ui->waveforFrame, &WaveformFrame::s_posChange, this,
            [this](double playPos) { m_player->setPosition(qint64(int(playPos))); });
    connect(&m_reader, &WaveFile::s_waveformData, this, &RecordWidget::on_waveformData);
    connect(new QShortcut(QKeySequence(Qt::Key_Space), this), &QShortcut::activated, this,
            &RecordWidget::playFromCursor);
    connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+z")), this), &QShortcut::activated, this,
            &RecordWidget::undo);
}

void RecordWidget::setInputDevName(QString name)
{
    m_inputDevName = name;
}

void RecordWidget::on_btnRecord_clicked()
{
    if (m_recorder->state() == QMediaRecorder::StoppedState)
        startTake();
    else
        finishTake();
}

void RecordWidget::startTake()
{
    m_recorder->setAudioInput(m_inputDevName);
    // No codec is named: the container's own default is taken. A codec name the backend does not
    // know, such as "Default", makes it fail to build the capture and record nothing, silently.
    QAudioEncoderSettings audio;
    audio.setSampleRate(TakeSampleRate);
    audio.setChannelCount(TakeChannels);
    audio.setQuality(QMultimedia::HighQuality);
    audio.setEncodingMode(QMultimedia::ConstantQualityEncoding);
    m_recorder->setEncodingSettings(audio, QVideoEncoderSettings(), QStringLiteral("audio/x-wav"));
    ui->waveforFrame->clear();
    m_elapsedMs = 0;
    m_recordedTime.reset();
    // Undo stays within one take: the versions of an earlier take never come back in place of this one.
    m_undoPaths.clear();
    m_column = ColumnLevels();
    m_columnsDrawn = 0;
    // The player goes first: its stop reports the stopped state, which would otherwise overwrite
    // the recording state and its icons.
    if (m_player->state() != QMediaPlayer::StoppedState)
        m_player->stop();
    setRecordState(Recording);
    m_recorder->record();
    // Resuming after a pause makes some backends report a new location while they go on writing
    // the same file, so the take's location is the one reported when it starts.
    m_takeLocation = m_recorder->outputLocation();
}

void RecordWidget::finishTake()
{
    m_recorder->stop();
    setRecordState(TakeFinished);
    m_recordUrl = m_takeLocation;
    m_playPath = takeLocalPath(m_recordUrl);
    // The file is complete only once the recorder has finalised it; its header, with the length
    // of its data, is written last. The user's clicks wait with it: a take started while the last
    // one is still being finalised gets a single buffer from the capture and writes no file.
    waitForFinalisedTake();
    loadTake();
}

// The probe starts late and drops buffers when the GUI thread is busy, so the live chart and time
// fall short of the file, more so the longer the take: the finished take is drawn and timed from
// the file itself, so that a span picked on the chart is the span cut.
void RecordWidget::loadTake()
{
    if (QFileInfo(m_playPath).isFile() && drawVersion(m_playPath)) {
        m_elapsedMs = m_reader.durationMs();
        updateProgress(m_elapsedMs);
    }
    m_player->setMedia(QUrl::fromLocalFile(m_playPath));
    ui->waveforFrame->setPlayPos(m_player->position());
}

void RecordWidget::on_btnPauseGo_clicked()
{
    if (m_recorder->state() == QMediaRecorder::RecordingState) {
        m_recorder->pause();
        setRecordState(RecordingPaused);
    } else if (m_recorder->state() == QMediaRecorder::PausedState) {
        m_recorder->record();
        setRecordState(RecordingResumed);
    } else if (m_player->state() == QMediaPlayer::PlayingState) {
        m_player->pause();
        setRecordState(PlaybackPaused);
    } else if (!m_recordUrl.isEmpty()) {
        m_player->play();
        setRecordState(Playing);
    }
}

void RecordWidget::onPlayerStateChanged(int state)
{
    if (state == QMediaPlayer::StoppedState)
        setRecordState(PlaybackPaused);
}

// Space plays and pauses the take as the play button does, cursor and icon included; a take being
// recorded is left alone (pausing it is the button's job).
void RecordWidget::playFromCursor()
{
    if (m_recorder->state() == QMediaRecorder::StoppedState)
        on_btnPauseGo_clicked();
}

void RecordWidget::processBuffer(QAudioBuffer buffer)
{
    m_recordedTime.add(buffer.frameCount(), buffer.format().sampleRate());
    m_elapsedMs = m_recordedTime.milliseconds();
    updateProgress(m_elapsedMs);
    m_column.merge(BufferLevels::bufferLevels(buffer));
    // A column holds as many frames as a block of the reader, so that the take drawn live and the
    // same take read back after a cut keep to one time ruler.
    ui->waveforFrame->waveformWidget()->setSampleRate(buffer.format().sampleRate());
    drawDueColumns();
}

// Draws the columns that the recorded time has reached, so that the take keeps to the view's time
// ruler whatever the length of the buffers; a buffer longer than a column fills several.
void RecordWidget::drawDueColumns()
{
    const WaveformWidget *chart = ui->waveforFrame->waveformWidget();
    const double columnMicroseconds = 1e6 * chart->step() / chart->pixelsPerSecond();
    const qint64 due = qint64(m_recordedTime.microseconds() / columnMicroseconds);
    if (m_columnsDrawn >= due)
        return;
    QVector<qreal> levels = m_column.take();
    for (; m_columnsDrawn < due; ++m_columnsDrawn)
        ui->waveforFrame->onDrawWaveform(levels);
}

void RecordWidget::updateProgress(qlonglong pos)
{
    if (m_recorder->error() != QMediaRecorder::NoError)
        return;
    const qint64 ofDay = pos % 86400000;
    ui->lbTime->setText(QStringLiteral("%1:%2:%3:%4")
                            .arg(twoDigits(ofDay / 3600000), twoDigits(ofDay % 3600000 / 60000),
                                 twoDigits(ofDay % 60000 / 1000))
                            .arg(ofDay % 1000, 3, 10, QLatin1Char('0')));
}

void RecordWidget::cutAudio(double startTime, double endTime)
{
    if (m_playPath.isEmpty())
        return;
    const TakeVersions versions = takeVersions();
    m_cutIndex = versions.nextFreeNumber(m_cutIndex);
    const QString cutPath = versions.versionPath(m_cutIndex);
    FfmpegRunner runner;
    const bool cut = runner.run(FfmpegArguments::cut(m_playPath, startTime, endTime, cutPath));
    // A number whose file exists is used up, even by a failed run that left a partial file behind.
    if (cut || QFileInfo::exists(cutPath))
        ++m_cutIndex;
    if (!cut) {
        // The view emptied its chart for the new version; the current one goes back in.
        drawVersion(m_playPath);
        reportFailure(tr("剪切"), tr("剪切失败，录音保持不变。"), runner);
        return;
    }
    showVersion(cutPath);
    m_undoPaths.append(m_playPath);
    m_playPath = cutPath;
    qDebug() << "m_playPath" << m_playPath;
    ui->waveforFrame->keepInView(ui->waveforFrame->waveformWidget()->xAt(qint64(startTime * 1000)));
}

void RecordWidget::on_waveformData(QVector<qreal> &data)
{
    for (qreal &level : data)
        level /= 0x7fff;
    ui->waveforFrame->onDrawWaveform(data);
}

void RecordWidget::undo()
{
    if (m_undoPaths.isEmpty())
        return;
    WaveformWidget *chart = ui->waveforFrame->waveformWidget();
    const qint64 cursorMs = chart->cursorMs();
    m_playPath = m_undoPaths.takeLast();
    showVersion(m_playPath);
    // The cursor keeps its time, which in the restored version is where the cut was, and playback
    // goes on from there.
    m_player->setPosition(cursorMs);
    chart->setPlayPos(cursorMs);
    ui->waveforFrame->keepInView(chart->xAt(cursorMs));
}

void RecordWidget::on_btnSave_clicked()
{
    if (m_playPath.isEmpty())
        return;
    const QString filePath =
        ClipPrompts::saveFileName(tr("保存文件"), QStringLiteral("*.mp3 ;; *.wav ;; *.aac ;; *.wma ;; *.flac ;; *.ac3"));
    if (filePath.isEmpty())
        return;
    qDebug() << "filePath" << filePath;
    // Versions that undo can no longer reach are of no further use once the take is exported.
    if (exportVersion(filePath))
        takeVersions().tidy(QStringList(m_undoPaths) << m_playPath << filePath);
}

// Encodes the current version into filePath; a failure is shown to the user.
bool RecordWidget::exportVersion(const QString &filePath)
{
    // Writing onto the take or one of its versions would destroy it while it is read, or the audio
    // that undo brings back.
    if (takeVersions().isTakeOrVersion(filePath) || QFileInfo(filePath) == QFileInfo(m_playPath)) {
        ClipPrompts::showFailure(this, tr("保存文件"), tr("不能导出到这段录音本身或它的剪切版本：%1").arg(filePath));
        return false;
    }
    FfmpegRunner runner;
    if (runner.run(FfmpegArguments::exportTo(m_playPath, filePath)))
        return true;
    reportFailure(tr("保存文件"), tr("导出到 %1 失败。").arg(filePath), runner);
    return false;
}

// Every version is named after the recording itself, not after the version it was cut from.
TakeVersions RecordWidget::takeVersions() const
{
    return TakeVersions(takeLocalPath(m_recordUrl));
}

// A missing tool is said once and plainly; any other failure with the tool's own last word.
void RecordWidget::reportFailure(const QString &title, const QString &what, const FfmpegRunner &runner)
{
    ClipPrompts::showFailure(this, title, runner.toolMissing() ? runner.errorString() : what + "\n" + runner.errorString());
}

// The view shows the version and the player plays it.
void RecordWidget::showVersion(const QString &path)
{
    drawVersion(path);
    m_player->setMedia(QUrl::fromLocalFile(path));
}

// Redraws the chart from a version's file, the view staying where the user was: refilling the
// chart widens it column by column, and each widening scrolls to the end.
bool RecordWidget::drawVersion(const QString &path)
{
    QScrollBar *scroll = ui->waveforFrame->horizontalScrollBar();
    const int shown = scroll->value();
    ui->waveforFrame->clear();
    const bool read = m_reader.readWaveFile(path);
    if (read)
        ui->waveforFrame->waveformWidget()->setSampleRate(int(m_reader.header().sampleRate));
    scroll->setValue(shown);
    return read;
}

void RecordWidget::setRecordState(int state)
{
    m_state = state;
    switch (state) {
    case Recording:
        ui->btnSave->setEnabled(false);
        setButtonIcon(ui->btnRecord, StopOn);
        setButtonIcon(ui->btnPauseGo, PauseOff);
        ui->waveforFrame->setSupportClip(false);
        m_cutIndex = 1;
        break;
    case TakeFinished:
        ui->btnSave->setEnabled(true);
        setButtonIcon(ui->btnRecord, RecordingOff);
        setButtonIcon(ui->btnPauseGo, PlayOn);
        ui->waveforFrame->setSupportClip(true);
        m_playTimer->stop();
        break;
    case RecordingPaused:
        setButtonIcon(ui->btnPauseGo, PlayOn);
        break;
    case RecordingResumed:
        setButtonIcon(ui->btnPauseGo, PauseOff);
        break;
    case Playing:
        setButtonIcon(ui->btnPauseGo, PauseOff);
        m_playTimer->start(PlayTickMs);
        break;
    case PlaybackPaused:
        setButtonIcon(ui->btnPauseGo, PlayOn);
        m_playTimer->stop();
        break;
    }
}

void RecordWidget::setButtonIcon(QToolButton *button, const QString &image)
{
    button->setIcon(QIcon(QPixmap(image)));
}
