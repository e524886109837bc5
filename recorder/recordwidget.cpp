#include "recordwidget.h"
#include "ui_recordwidget.h"

#include "bufferlevels.h"
#include "takepath.h"

#include <QAudioEncoderSettings>
#include <QAudioProbe>
#include <QAudioRecorder>
#include <QMediaPlayer>
#include <QPixmap>
#include <QShortcut>
#include <QTimer>

namespace {

const QString RecordingOff = QStringLiteral(":/image/blackSkin/Button_Recording_Off.png");
const QString StopOn = QStringLiteral(":/image/blackSkin/Button_Stop_On.png");
const QString PlayOn = QStringLiteral(":/image/blackSkin/Button_Play_On.png");
const QString PauseOff = QStringLiteral(":/image/blackSkin/Button_Pause_Off.png");

const int TakeSampleRate = 44100;
const int TakeChannels = 2;

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
}

RecordWidget::~RecordWidget()
{
    // A take still recording is finished, so that its file is complete.
    if (m_recorder->state() != QMediaRecorder::StoppedState)
        m_recorder->stop();
    m_recorder->disconnect(this);
    m_probe->disconnect(this);
    delete m_player;
    delete ui;
}

void RecordWidget::connectParts()
{
    connect(m_probe, &QAudioProbe::audioBufferProbed, this, &RecordWidget::processBuffer);
    m_probe->setSource(m_recorder);
    // The time shown on a state change is the probed one too: some backends report a duration of
    // 0 once a take stops, which would wipe the length of the take from the label.
    connect(m_recorder, &QMediaRecorder::stateChanged, this, [this] { updateProgress(m_elapsedMs); });
    connect(m_recorder, &QMediaRecorder::statusChanged, this, &RecordWidget::onRecorderStatusChanged);
    connect(m_player, &QMediaPlayer::stateChanged, this, &RecordWidget::onPlayerStateChanged);
    connect(m_playTimer, &QTimer::timeout, this,
            [this] { ui->waveforFrame->setPlayPos(m_player->position()); });
    connect(ui->waveforFrame, &WaveformFrame::s_posChange, this,
            [this](double playPos) { m_player->setPosition(qint64(int(playPos))); });
    connect(&m_reader, &WaveFile::s_waveformData, this, &RecordWidget::on_waveformData);
    connect(new QShortcut(QKeySequence(Qt::Key_Space), this), &QShortcut::activated, this,
            &RecordWidget::playFromCursor);
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
    // of its data, is written last.
    if (m_recorder->status() == QMediaRecorder::FinalizingStatus)
        m_takePending = true;
    else
        loadTake();
}

void RecordWidget::onRecorderStatusChanged(int status)
{
    if (m_takePending && status != QMediaRecorder::FinalizingStatus)
        loadTake();
}

void RecordWidget::loadTake()
{
    m_takePending = false;
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

// Plays from where the cursor is, leaving the buttons as they are.
void RecordWidget::playFromCursor()
{
    m_state = TakeFinished;
    m_player->play();
}

void RecordWidget::processBuffer(QAudioBuffer buffer)
{
    m_recordedTime.add(buffer.frameCount(), buffer.format().sampleRate());
    m_elapsedMs = m_recordedTime.milliseconds();
    updateProgress(m_elapsedMs);
    QVector<qreal> levels = BufferLevels::bufferLevels(buffer);
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

void RecordWidget::on_waveformData(QVector<qreal> &data)
{
    for (qreal &level : data)
        level /= 0x7fff;
    ui->waveforFrame->onDrawWaveform(data);
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
