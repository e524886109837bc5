#include "recordwidget.h"
#include "ui_recordwidget.h"

#include "bufferlevels.h"
#include "buttonkeys.h"
#include "chartscale.h"
#include "clipprompts.h"
#include "clipeditor.h"
#include "ffmpegencoders.h"
#include "jobbar.h"
#include "recoverybar.h"
#include "takerecovery.h"
#include "takespace.h"
#include "takepath.h"
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

// The names of the panel (which takes the keyboard on a click) and of the chart, and the chart's
// keys, for assistive technology, in the current language.
void nameForAssistiveTechnology(QWidget *panel, QWidget *chart)
{
    panel->setAccessibleName(QCoreApplication::translate("RecordWidget", "录音机"));
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
      m_playTimer(new QTimer(this)),
      m_spaceWatch(new QTimer(this)),
      m_editor(new ClipEditor(this)),
      m_encoders(new FfmpegEncoders(this))
{
    ui->setupUi(this);
    m_jobBar = new JobBar(this);
    m_recoveryBar = new RecoveryBar(this);
    connectParts();
    addButtonKeys();
    nameForAssistiveTechnology(this, ui->waveforFrame->waveformWidget());
    connectEditing();
    takeKeyboard();
    updateAvailability();
    m_encoders->query();
    // After start-up, so that the window comes first.
    QTimer::singleShot(0, this, &RecordWidget::offerRecoveredTake);
}

// Keys of the buttons' own; each works while its button is shown and enabled. F6 brings the
// keyboard from the scene above into the panel, where Tab then walks its controls.
void RecordWidget::addButtonKeys()
{
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_R), ui->btnRecord, SLOT(click()));
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_P), ui->btnPauseGo, SLOT(click()));
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_S), ui->btnSave, SLOT(click()));
    QWidget *chart = ui->waveforFrame->waveformWidget();
    connect(new QShortcut(QKeySequence(Qt::Key_F6), chart), &QShortcut::activated, chart,
            [chart] { chart->setFocus(Qt::ShortcutFocusReason); });
}

// Space and Esc are the panel's while the keyboard is in it, and there the focused button's own; a
// click anywhere in the panel brings the keyboard into it (the buttons do not take it), so that
// Space plays after a take was stopped with the mouse.
void RecordWidget::takeKeyboard()
{
    for (QShortcut *shortcut : {m_spaceShortcut, m_cancelShortcut})
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    (new ButtonKeys(this))->watch(this);
    setFocusPolicy(Qt::ClickFocus);
    setFocusProxy(ui->waveforFrame->waveformWidget());
}

void RecordWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        nameForAssistiveTechnology(this, ui->waveforFrame->waveformWidget());
        updateAvailability();
    }
    QWidget::changeEvent(event);
}

RecordWidget::~RecordWidget()
{
    if (m_recorder) {
        m_recorder->disconnect(this);
        m_probe->disconnect(this);
        // A take still recording is finished, so that its file is complete: its header is written
        // last. The wait runs the event loop, which a panel going with its window must not: the
        // window's other parts are gone already, and what the loop delivers would reach them. Its
        // take was finished when the window closed; if not, the next start repairs it.
        if (m_recorder->state() != QMediaRecorder::StoppedState) {
            m_recorder->stop();
            if (!parentWidget())
                waitForFinalisedTake();
        }
    }
    delete m_player;
    delete ui;
}

// The window closing finishes the take while all of the window is still there.
bool RecordWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == window())
        finishRecording();
    return QWidget::eventFilter(watched, event);
}

// The recorder, its probe and the player load the multimedia backend, which the window's start does
// not need: they are made when the panel is first shown or first used.
void RecordWidget::ensureMedia()
{
    if (m_recorder)
        return;
    m_recorder = new QAudioRecorder(this);
    m_probe = new QAudioProbe(this);
    m_player = new QMediaPlayer;
    connectMedia();
    window()->installEventFilter(this);
}

void RecordWidget::showEvent(QShowEvent *event)
{
    ensureMedia();
    QWidget::showEvent(event);
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

void RecordWidget::connectMedia()
{
    connect(m_probe, &QAudioProbe::audioBufferProbed, this, &RecordWidget::processBuffer);
    m_probe->setSource(m_recorder);
    // The time shown on a state change is the probed one too: some backends report a duration of
    // 0 once a take stops, which would wipe the length of the take from the label.
    connect(m_recorder, &QMediaRecorder::stateChanged, this, [this] { updateProgress(m_elapsedMs); });
    connect(m_recorder, QOverload<QMediaRecorder::Error>::of(&QMediaRecorder::error), this, &RecordWidget::onRecorderError);
    connect(m_player, &QMediaPlayer::stateChanged, this, &RecordWidget::onPlayerStateChanged);
}

void RecordWidget::connectParts()
{
    connect(m_playTimer, &QTimer::timeout, this,
            [this] { ui->waveforFrame->setPlayPos(m_player->position()); });
    connect(ui->waveforFrame, &WaveformFrame::s_cutAudio, this, &RecordWidget::cutAudio);
    connect(ui->waveforFrame, &WaveformFrame::s_posChange, this, [this](double playPos) {
        ensureMedia();
        m_player->setPosition(ChartScale::wholeMs(playPos));
    });
    connect(&m_reader, &WaveFile::s_waveformData, this, &RecordWidget::on_waveformData);
    m_spaceShortcut = new QShortcut(QKeySequence(Qt::Key_Space), this);
    connect(m_spaceShortcut, &QShortcut::activated, this, &RecordWidget::playFromCursor);
}

void RecordWidget::connectEditing()
{
    connect(m_editor, &ClipEditor::versionChanged, this, &RecordWidget::onVersionChanged);
    connect(m_editor, &ClipEditor::jobStarted, this, &RecordWidget::onJobStarted);
    connect(m_editor, &ClipEditor::jobProgress, m_jobBar, &JobBar::setProgress);
    connect(m_editor, &ClipEditor::jobEnded, this, &RecordWidget::onJobEnded);
    connect(m_editor, &ClipEditor::failed, this,
            [this](const QString &title, const QString &text) { ClipPrompts::showFailure(this, title, text); });
    connect(m_jobBar, &JobBar::cancelRequested, m_editor, &ClipEditor::cancel);
    connect(m_spaceWatch, &QTimer::timeout, this, &RecordWidget::checkSpace);
    connect(m_recoveryBar, &RecoveryBar::openRequested, this, &RecordWidget::openTake);
    m_undoShortcut = addShortcut(QKeySequence(QStringLiteral("Ctrl+z")), &RecordWidget::undo);
    m_redoShortcut = addShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")), &RecordWidget::redo);
    m_redoAltShortcut = addShortcut(QKeySequence(QStringLiteral("Ctrl+Y")), &RecordWidget::redo);
    m_cancelShortcut = addShortcut(QKeySequence(Qt::Key_Escape), [this] { m_editor->cancel(); });
}

template<typename Slot>
QShortcut *RecordWidget::addShortcut(const QKeySequence &keys, Slot slot)
{
    auto *shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, slot);
    return shortcut;
}

void RecordWidget::setInputDevName(QString name)
{
    m_inputDevName = name;
    updateAvailability();
}

// What the record button says about the input a take will use: the card's, or the system's default.
QString RecordWidget::inputDescription() const
{
    QString input = m_inputDevName;
    if (input.isEmpty() || input == QLatin1String("Default"))
        return tr("录音输入：系统默认输入");
    for (const QString &prefix : {QStringLiteral("alsa:pulse:DEVICE="), QStringLiteral("alsa:plughw:CARD="), QStringLiteral("alsa:")}) {
        if (input.startsWith(prefix)) {
            input = input.mid(prefix.size()).section(QLatin1Char(','), 0, 0).remove(QLatin1Char('"'));
            break;
        }
    }
    return tr("录音输入：%1").arg(input);
}

// A take the backend could not go on with is finished as far as it got, and the user is told why:
// silently, the panel would go on showing a take that records nothing.
void RecordWidget::onRecorderError()
{
    // One report a take: a failing capture tends to say so more than once.
    if (m_state != Recording && m_state != RecordingPaused && m_state != RecordingResumed)
        return;
    finishTake();
    ClipPrompts::showFailure(this, tr("录音"), tr("录音失败：%1").arg(m_recorder->errorString()));
}

bool RecordWidget::isRecording() const
{
    return m_recorder && m_recorder->state() != QMediaRecorder::StoppedState;
}

void RecordWidget::finishRecording()
{
    if (isRecording())
        finishTake();
}

void RecordWidget::on_btnRecord_clicked()
{
    ensureMedia();
    if (m_recorder->state() == QMediaRecorder::StoppedState)
        startTake();
    else
        finishTake();
}

void RecordWidget::startTake()
{
    const QString folder = TakeSpace::nextTakeFolder();
    const qint64 freeBytes = TakeSpace::bytesFree(folder);
    if (freeBytes >= 0 && freeBytes < TakeSpace::StartBytes) {
        ClipPrompts::showFailure(this, tr("录音"), TakeSpace::notEnoughToStart(folder, freeBytes));
        return;
    }
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
    m_editor->startTake(QString());
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
    m_spaceWatch->start(SpaceCheckMs);
    emit recordingChanged(true);
}

// Once the disk holding the take is nearly full, the take is finished while its file can still be
// completed.
void RecordWidget::checkSpace()
{
    const QString folder = QFileInfo(takeLocalPath(m_takeLocation)).absolutePath();
    const qint64 freeBytes = TakeSpace::bytesFree(folder);
    if (freeBytes < 0 || freeBytes >= TakeSpace::ReserveBytes || m_recorder->state() == QMediaRecorder::StoppedState)
        return;
    finishTake();
    ClipPrompts::showFailure(this, tr("录音"), TakeSpace::stoppedForWantOfRoom(folder, freeBytes));
}

void RecordWidget::finishTake()
{
    m_spaceWatch->stop();
    m_recorder->stop();
    setRecordState(TakeFinished);
    m_recordUrl = m_takeLocation;
    m_playPath = takeLocalPath(m_recordUrl);
    m_editor->startTake(m_playPath);
    // The file is complete only once the recorder has finalised it; its header, with the length
    // of its data, is written last. The user's clicks wait with it: a take started while the last
    // one is still being finalised gets a single buffer from the capture and writes no file.
    waitForFinalisedTake();
    emit recordingChanged(false);
    loadTake();
}

// The probe starts late and drops buffers when the GUI thread is busy, so the live chart and time
// fall short of the file, more so the longer the take: the finished take is drawn and timed from
// the file itself, so that a span picked on the chart is the span cut.
void RecordWidget::loadTake()
{
    if (QFileInfo(m_playPath).isFile())
        drawVersion(m_playPath);
    m_player->setMedia(QUrl::fromLocalFile(m_playPath));
    ui->waveforFrame->setPlayPos(m_player->position());
}

void RecordWidget::on_btnPauseGo_clicked()
{
    ensureMedia();
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
    if (!isRecording())
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
    if (m_recorder && m_recorder->error() != QMediaRecorder::NoError)
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
    // The cursor comes back to the very pixel where the selection started.
    m_cutStartMs = ChartScale::wholeMs(startTime * 1000);
    // The chart draws whole columns only: a selection up to its last one takes the rest of the audio too.
    const qint64 versionMs = m_reader.durationMs();
    if (endTime >= ui->waveforFrame->waveformWidget()->endSeconds())
        endTime = versionMs / 1000.0;
    m_editor->cut(startTime, endTime, versionMs);
}

void RecordWidget::on_waveformData(QVector<qreal> &data)
{
    for (qreal &level : data)
        level /= 0x7fff;
    ui->waveforFrame->onDrawWaveform(data);
}

void RecordWidget::undo()
{
    stepVersion([this] { return m_editor->undo(); });
}

void RecordWidget::redo()
{
    stepVersion([this] { return m_editor->redo(); });
}

// Undo and redo keep the cursor's time, which in the version they bring back is where the cut was,
// and playback goes on from there.
void RecordWidget::stepVersion(const std::function<bool()> &step)
{
    const qint64 cursorMs = ui->waveforFrame->waveformWidget()->cursorMs();
    if (step())
        placeCursor(cursorMs);
}

void RecordWidget::placeCursor(qint64 ms)
{
    WaveformWidget *chart = ui->waveforFrame->waveformWidget();
    m_player->setPosition(ms);
    chart->setPlayPos(ms);
    ui->waveforFrame->keepInView(chart->xAt(ms));
}

void RecordWidget::on_btnSave_clicked()
{
    if (m_playPath.isEmpty() || m_editor->busy())
        return;
    const QString filePath = m_exportPlace.choose(tr("保存文件"), m_encoders->names());
    if (filePath.isEmpty())
        return;
    qDebug() << "filePath" << filePath;
    m_editor->exportTo(filePath, m_reader.durationMs());
}

// The current version is another file: the view shows it and the player plays it, and the members
// that name the versions follow the editor.
void RecordWidget::onVersionChanged(const QString &path)
{
    const TakeSession &session = m_editor->session();
    m_playPath = session.current();
    showVersion(path);
}

void RecordWidget::onJobStarted(TakeSession::Job job, const QString &target)
{
    const QString suffix = QFileInfo(target).suffix().toUpper();
    m_jobBar->begin(job == TakeSession::Job::Cutting ? tr("正在剪切…") : tr("正在导出为 %1…").arg(suffix));
    placeBars();
    updateAvailability();
}

void RecordWidget::onJobEnded(TakeSession::Job job, bool succeeded)
{
    m_jobBar->hide();
    if (job == TakeSession::Job::Cutting && succeeded)
        placeCursor(m_cutStartMs);
    if (job == TakeSession::Job::Exporting && succeeded)
        m_exportPlace.rememberChoice();
    updateAvailability();
}

// The view shows the version and the player plays it.
void RecordWidget::showVersion(const QString &path)
{
    drawVersion(path);
    m_player->setMedia(QUrl::fromLocalFile(path));
}

// Redraws the chart from a version's file, the view staying where the user was (refilling the
// chart widens it column by column, and each widening scrolls to the end), and shows its length.
void RecordWidget::drawVersion(const QString &path)
{
    QScrollBar *scroll = ui->waveforFrame->horizontalScrollBar();
    const int shown = scroll->value();
    ui->waveforFrame->clear();
    if (m_reader.readWaveFile(path)) {
        ui->waveforFrame->waveformWidget()->setSampleRate(int(m_reader.header().sampleRate));
        m_elapsedMs = m_reader.durationMs();
        updateProgress(m_elapsedMs);
    }
    scroll->setValue(shown);
}

// While a job runs, nothing may start another or change the take under it; playback goes on.
void RecordWidget::updateAvailability()
{
    const bool busy = m_editor->busy();
    const bool stopped = !isRecording();
    const bool toolFound = !FfmpegJob::programPath().isEmpty();
    const QString busyText = tr("剪切或导出进行中，完成或取消后可用");
    ui->btnRecord->setEnabled(!busy);
    ui->btnRecord->setToolTip(busy ? busyText : tr("录音 / 停止 (Ctrl+R)") + "\n" + inputDescription());
    ui->btnSave->setEnabled(stopped && !busy && toolFound);
    ui->btnSave->setToolTip(busy ? busyText : toolFound ? tr("保存 (Ctrl+S)") : FfmpegJob::missingText());
    ui->waveforFrame->setSupportClip(stopped && !busy);
    ui->waveforFrame->waveformWidget()->setBusyText(busy ? busyText : QString());
    for (QShortcut *shortcut : {m_undoShortcut, m_redoShortcut, m_redoAltShortcut})
        shortcut->setEnabled(!busy);
    m_cancelShortcut->setEnabled(busy);
}

// The bars lie over the bottom of the waveform frame, the chart and its cursor above them in view.
void RecordWidget::placeBars()
{
    const QRect frame = ui->waveforFrame->geometry();
    for (QFrame *bar : {static_cast<QFrame *>(m_jobBar), static_cast<QFrame *>(m_recoveryBar)}) {
        const int height = qMin(frame.height(), bar->sizeHint().height());
        bar->setGeometry(frame.left() + 1, frame.bottom() - height, frame.width() - 2, height);
    }
}

// Takes cut short by a crash, a kill or a power cut are repaired, and the newest is offered; what
// an interrupted cut or export was writing is removed.
void RecordWidget::offerRecoveredTake()
{
    FfmpegJob::removeLeftovers();
    const QVector<TakeRecovery::Take> takes = TakeRecovery::repair(TakeSpace::takeFolders());
    if (takes.isEmpty())
        return;
    m_recoveryBar->offer(takes.first().path, takes.first().recorded);
    placeBars();
}

// An existing take becomes the current one, as if it had just been recorded.
void RecordWidget::openTake(const QString &path)
{
    ensureMedia();
    if (m_recorder->state() != QMediaRecorder::StoppedState || m_editor->busy())
        return;
    if (m_player->state() != QMediaPlayer::StoppedState)
        m_player->stop();
    m_recordUrl = QUrl::fromLocalFile(path);
    m_playPath = path;
    m_editor->startTake(path);
    setRecordState(TakeFinished);
    loadTake();
}

void RecordWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeBars();
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
        setButtonIcon(ui->btnRecord, RecordingOff);
        setButtonIcon(ui->btnPauseGo, PlayOn);
        m_playTimer->stop();
        updateAvailability();  // saving and cutting, as far as the tool and the jobs allow
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
