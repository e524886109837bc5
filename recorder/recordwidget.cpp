#include "recordwidget.h"
#include "ui_recordwidget.h"

#include "chartbar.h"
#include "chartscale.h"
#include "clipeditor.h"
#include "clipprompts.h"
#include "ffmpegencoders.h"
#include "inputmenu.h"
#include "inputmeter.h"
#include "levelmeter.h"
#include "recorderbars.h"
#include "recorderchoices.h"
#include "recorderkeys.h"
#include "selectionplayer.h"
#include "takechart.h"
#include "takelistdialog.h"
#include "waveformwidget.h"

#include <QAudioRecorder>
#include <QDebug>
#include <QMediaPlayer>
#include <QPixmap>
#include <QShortcut>
#include <QTimer>

namespace {

const QString RecordingOff = QStringLiteral(":/image/blackSkin/Button_Recording_Off.png");
const QString StopOn = QStringLiteral(":/image/blackSkin/Button_Stop_On.png");
const QString PlayOn = QStringLiteral(":/image/blackSkin/Button_Play_On.png");
const QString PauseOff = QStringLiteral(":/image/blackSkin/Button_Pause_Off.png");

QString twoDigits(qint64 value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

RecordWidget::RecordWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::RecordWidget),
      m_session(new RecorderSession(this)),
      m_editor(m_session->editor()),
      m_encoders(new FfmpegEncoders(this)),
      m_playTimer(new QTimer(this)),
      m_choices(new RecorderChoices(this)),
      m_meter(new InputMeter(this))
{
    ui->setupUi(this);
    m_levelMeter = new LevelMeter(this);
    ui->verticalLayout_2->insertWidget(1, m_levelMeter);
    connect(m_meter, &InputMeter::levelMeasured, m_levelMeter, &LevelMeter::setLevel);
    m_bars = new RecorderBars(this, ui->waveforFrame, m_session);
    m_chart = new TakeChart(m_session, ui->waveforFrame);
    m_keys = new RecorderKeys(this, ui->btnRecord, ui->btnPauseGo, ui->btnSave, ui->waveforFrame->waveformWidget());
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_O), ui->btnTakes, SLOT(click()));
    auto *chartBar = new ChartBar(this, ui->horizontalLayout_2, ui->waveforFrame);
    connect(chartBar, &ChartBar::playSelectionPressed,
            new SelectionPlayer(m_session, m_chart, ui->waveforFrame->waveformWidget()), &SelectionPlayer::play);
    m_inputMenu = new InputMenu(this, m_choices);
    chartBar->addAtEnd(m_inputMenu);
    connect(m_choices, &RecorderChoices::changed, this, &RecordWidget::applyChoices);
    applyChoices();
    connectSession();
    connectParts();
    updateAvailability();
    m_encoders->query();
    // After start-up, so that the window comes first.
    QTimer::singleShot(0, m_bars, &RecorderBars::offerRecoveredTake);
}

RecordWidget::~RecordWidget()
{
    m_session->disconnect(this);
    // A take still recording is finished, so that its file is complete: its header is written
    // last. The wait runs the event loop, which a panel going with its window must not: the
    // window's other parts are gone already, and what the loop delivers would reach them. Its
    // take was finished when the window closed; if not, the next start repairs it.
    m_session->abandon(!parentWidget());
    delete ui;
}

void RecordWidget::connectSession()
{
    connect(m_session, &RecorderSession::stateChanged, this, &RecordWidget::setRecordState);
    connect(m_session, &RecorderSession::recordingChanged, this, &RecordWidget::recordingChanged);
    connect(m_session, &RecorderSession::recordingChanged, this, &RecordWidget::updateAvailability);
    connect(m_session, &RecorderSession::elapsedChanged, this, &RecordWidget::updateProgress);
    connect(m_session, &RecorderSession::failed, this,
            [this](const QString &title, const QString &text) { ClipPrompts::showFailure(this, title, text); });
    connect(m_editor, &ClipEditor::jobStarted, this, &RecordWidget::updateAvailability);
    connect(m_editor, &ClipEditor::jobEnded, this, &RecordWidget::onJobEnded);
    connect(m_session, &RecorderSession::versionRead, this, &RecordWidget::updateAvailability);
}

void RecordWidget::connectParts()
{
    connect(m_playTimer, &QTimer::timeout, this,
            [this] { ui->waveforFrame->setPlayPos(m_session->player()->position()); });
    connect(ui->waveforFrame, &WaveformFrame::s_cutAudio, this, &RecordWidget::cutAudio);
    connect(ui->waveforFrame, &WaveformFrame::s_posChange, this,
            [this](double playPos) { m_session->setPosition(ChartScale::wholeMs(playPos)); });
    connect(m_keys, &RecorderKeys::playPressed, this, &RecordWidget::playFromCursor);
    connect(m_keys, &RecorderKeys::undoPressed, this, &RecordWidget::undo);
    connect(m_keys, &RecorderKeys::redoPressed, this, &RecordWidget::redo);
    connect(m_keys, &RecorderKeys::cancelPressed, m_editor, &ClipEditor::cancel);
}

void RecordWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        m_keys->retranslate();
        updateAvailability();
    }
    QWidget::changeEvent(event);
}

// The window closing finishes the take while all of the window is still there.
bool RecordWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == window()) {
        finishRecording();
        m_meter->stop();
    }
    return QWidget::eventFilter(watched, event);
}

void RecordWidget::ensureMedia()
{
    m_session->ensureMedia();
    window()->installEventFilter(this);
}

void RecordWidget::showEvent(QShowEvent *event)
{
    ensureMedia();
    m_meter->start(m_choices->inputDevice(), m_choices->format().audioFormat());
    QWidget::showEvent(event);
}

void RecordWidget::hideEvent(QHideEvent *event)
{
    m_meter->stop();
    QWidget::hideEvent(event);
}

void RecordWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_bars->place();
}

void RecordWidget::setInputDevName(QString name)
{
    m_choices->setCardInput(name);
}

// The next take records what the user chose, and the meter listens to it while the panel is shown.
void RecordWidget::applyChoices()
{
    m_session->setInputDevName(m_choices->input());
    m_session->setFormat(m_choices->format());
    if (isVisible())
        m_meter->start(m_choices->inputDevice(), m_choices->format().audioFormat());
    updateAvailability();
}

void RecordWidget::finishRecording()
{
    m_session->finishRecording();
}

void RecordWidget::on_btnRecord_clicked()
{
    ensureMedia();
    m_session->recordOrStop();
}

void RecordWidget::on_btnPauseGo_clicked()
{
    ensureMedia();
    m_session->pauseOrGo();
}

// Space plays and pauses the take as the play button does, cursor and icon included; a take being
// recorded is left alone (pausing it is the button's job).
void RecordWidget::playFromCursor()
{
    if (!isRecording())
        on_btnPauseGo_clicked();
}

void RecordWidget::updateProgress(qlonglong pos)
{
    const QAudioRecorder *recorder = m_session->recorder();
    if (recorder && recorder->error() != QMediaRecorder::NoError)
        return;
    const qint64 ofDay = pos % 86400000;
    ui->lbTime->setText(QStringLiteral("%1:%2:%3:%4")
                            .arg(twoDigits(ofDay / 3600000), twoDigits(ofDay % 3600000 / 60000),
                                 twoDigits(ofDay % 60000 / 1000))
                            .arg(ofDay % 1000, 3, 10, QLatin1Char('0')));
}

void RecordWidget::cutAudio(double startTime, double endTime)
{
    if (m_session->playPath().isEmpty())
        return;
    // The cursor comes back to the very pixel where the selection started.
    m_chart->setCursorAfterDraw(ChartScale::wholeMs(startTime * 1000));
    // The chart draws whole columns only: a selection up to its last one takes the rest of the audio too.
    const qint64 versionMs = m_session->versionMs();
    if (endTime >= ui->waveforFrame->waveformWidget()->endSeconds())
        endTime = versionMs / 1000.0;
    if (!m_editor->cut(startTime, endTime, versionMs))
        m_chart->setCursorAfterDraw(-1);
}

void RecordWidget::undo()
{
    stepVersion([this] { return m_session->undo(); });
}

void RecordWidget::redo()
{
    stepVersion([this] { return m_session->redo(); });
}

// Undo and redo keep the cursor's time, which in the version they bring back is where the cut was,
// and playback goes on from there.
void RecordWidget::stepVersion(const std::function<bool()> &step)
{
    m_chart->setCursorAfterDraw(ui->waveforFrame->waveformWidget()->cursorMs());
    if (!step())
        m_chart->setCursorAfterDraw(-1);
}

void RecordWidget::on_btnSave_clicked()
{
    if (m_session->playPath().isEmpty() || m_session->busy())
        return;
    const QString filePath = m_exportPlace.choose(tr("保存文件"), m_encoders->names());
    if (filePath.isEmpty())
        return;
    qDebug() << "filePath" << filePath;
    m_editor->exportTo(filePath, m_session->versionMs());
}

void RecordWidget::on_btnTakes_clicked()
{
    ensureMedia();
    auto *dialog = new TakeListDialog(m_session, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void RecordWidget::onJobEnded(TakeSession::Job job, bool succeeded)
{
    if (job == TakeSession::Job::Cutting && !succeeded)
        m_chart->setCursorAfterDraw(-1);
    if (job == TakeSession::Job::Exporting && succeeded)
        m_exportPlace.rememberChoice();
    updateAvailability();
}

// While a job runs, nothing may start another or change the take under it; playback goes on.
void RecordWidget::updateAvailability()
{
    const bool busy = m_session->busy();
    const bool stopped = !isRecording();
    const bool toolFound = !FfmpegJob::programPath().isEmpty();
    const QString busyText = tr("剪切或导出进行中，完成或取消后可用");
    ui->btnRecord->setEnabled(!busy);
    ui->btnRecord->setToolTip(busy ? busyText : tr("录音 / 停止 (Ctrl+R)") + "\n" + m_session->inputDescription());
    ui->btnSave->setEnabled(stopped && !busy && toolFound);
    m_inputMenu->setEnabled(stopped);
    ui->btnSave->setToolTip(busy ? busyText : toolFound ? tr("保存 (Ctrl+S)") : FfmpegJob::missingText());
    ui->waveforFrame->setSupportClip(stopped && !busy);
    ui->waveforFrame->waveformWidget()->setBusyText(busy ? busyText : QString());
    m_keys->setJobRunning(busy);
}

void RecordWidget::setRecordState(RecorderSession::State state)
{
    switch (state) {
    case RecorderSession::Recording:
        ui->btnSave->setEnabled(false);
        setButtonIcon(ui->btnRecord, StopOn);
        setButtonIcon(ui->btnPauseGo, PauseOff);
        ui->waveforFrame->setSupportClip(false);
        break;
    case RecorderSession::TakeFinished:
        setButtonIcon(ui->btnRecord, RecordingOff);
        setButtonIcon(ui->btnPauseGo, PlayOn);
        m_playTimer->stop();
        updateAvailability();  // saving and cutting, as far as the tool and the jobs allow
        break;
    case RecorderSession::RecordingPaused:
    case RecorderSession::PlaybackPaused:
        setButtonIcon(ui->btnPauseGo, PlayOn);
        m_playTimer->stop();
        break;
    case RecorderSession::RecordingResumed:
        setButtonIcon(ui->btnPauseGo, PauseOff);
        break;
    case RecorderSession::Playing:
        setButtonIcon(ui->btnPauseGo, PauseOff);
        m_playTimer->start(PlayTickMs);
        break;
    case RecorderSession::NothingRecorded:
        break;
    }
}

void RecordWidget::setButtonIcon(QToolButton *button, const QString &image)
{
    button->setIcon(QIcon(QPixmap(image)));
}
