#ifndef RECORDWIDGET_H
#define RECORDWIDGET_H

#include "columnlevels.h"
#include "exportplace.h"
#include "recordedtime.h"
#include "takesession.h"
#include "wavefile.h"

#include <QAudioBuffer>
#include <QString>
#include <QUrl>
#include <QVector>
#include <QWidget>

#include <functional>

class ClipEditor;
class FfmpegEncoders;
class JobBar;
class RecoveryBar;
class QAudioProbe;
class QKeySequence;
class QShortcut;
class QAudioRecorder;
class QMediaPlayer;
class QTimer;
class QToolButton;

namespace Ui {
class RecordWidget;
}

// The recorder panel: records a take from an audio input into a WAV file while drawing its levels
// and counting its time, and plays the take back with a moving cursor.
class RecordWidget : public QWidget
{
    Q_OBJECT

public:
    // Values of recordState().
    enum State {
        NothingRecorded = 0,
        Recording = 1,
        TakeFinished = 2,
        RecordingPaused = 3,
        RecordingResumed = 4,
        Playing = 5,
        PlaybackPaused = 6,
    };

    static constexpr int PlayTickMs = 40;
    static constexpr int FinaliseTimeoutMs = 3000;
    static constexpr int SpaceCheckMs = 1000;

    explicit RecordWidget(QWidget *parent = nullptr);
    ~RecordWidget() override;

    // The audio input of the next take; the one recording now is not switched.
    void setInputDevName(QString name);
    bool isRecording() const;

public slots:
    // Finishes the take that records, its file completed before this returns (the session ends,
    // the machine goes to sleep).
    void finishRecording();

signals:
    void recordingChanged(bool recording);

public:

    QString inputDevName() const { return m_inputDevName; }
    int recordState() const { return m_state; }
    qint64 elapsedMs() const { return m_elapsedMs; }
    QUrl recordUrl() const { return m_recordUrl; }
    QString playPath() const { return m_playPath; }
    QAudioRecorder *recorder() const { return m_recorder; }
    QMediaPlayer *player() const { return m_player; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void on_btnRecord_clicked();
    void on_btnPauseGo_clicked();
    void processBuffer(QAudioBuffer buffer);
    void updateProgress(qlonglong pos);
    void cutAudio(double startTime, double endTime);
    void on_waveformData(QVector<qreal> &data);
    void undo();
    void on_btnSave_clicked();
    void redo();

private:
    void connectParts();
    void addButtonKeys();
    void ensureMedia();
    void connectMedia();
    void connectEditing();
    void takeKeyboard();
    template<typename Slot>
    QShortcut *addShortcut(const QKeySequence &keys, Slot slot);
    void waitForFinalisedTake();
    void startTake();
    void finishTake();
    void checkSpace();
    void onRecorderError();
    QString inputDescription() const;
    void loadTake();
    void drawDueColumns();
    void onPlayerStateChanged(int state);
    void playFromCursor();
    void setRecordState(int state);
    static void setButtonIcon(QToolButton *button, const QString &image);
    void showVersion(const QString &path);
    void drawVersion(const QString &path);
    void stepVersion(const std::function<bool()> &step);
    void placeCursor(qint64 ms);
    void onVersionChanged(const QString &path);
    void onJobStarted(TakeSession::Job job, const QString &target);
    void onJobEnded(TakeSession::Job job, bool succeeded);
    void updateAvailability();
    void placeBars();
    void offerRecoveredTake();
    void openTake(const QString &path);

    Ui::RecordWidget *ui;
    QUrl m_recordUrl;
    QUrl m_takeLocation;  // where the take now recording goes
    QString m_playPath;
    WaveFile m_reader;
    int m_state = NothingRecorded;
    qint64 m_elapsedMs = 0;
    RecordedTime m_recordedTime;
    ColumnLevels m_column;    // the buffers of the column being filled
    qint64 m_columnsDrawn = 0;
    QString m_inputDevName = QStringLiteral("Default");
    // Made when the panel is first shown or used (ensureMedia).
    QAudioRecorder *m_recorder = nullptr;
    QAudioProbe *m_probe = nullptr;
    QMediaPlayer *m_player = nullptr;
    QTimer *m_playTimer;
    QTimer *m_spaceWatch;  // runs while a take records
    // Cutting, undo, redo and export; m_playPath follows its take session.
    ClipEditor *m_editor;
    FfmpegEncoders *m_encoders;
    JobBar *m_jobBar = nullptr;
    RecoveryBar *m_recoveryBar = nullptr;
    ExportPlace m_exportPlace;
    qint64 m_cutStartMs = 0;  // where the cut running now starts, for the cursor once it is done
    QShortcut *m_spaceShortcut = nullptr;
    QShortcut *m_undoShortcut = nullptr;
    QShortcut *m_redoShortcut = nullptr;
    QShortcut *m_redoAltShortcut = nullptr;
    QShortcut *m_cancelShortcut = nullptr;
};

#endif // RECORDWIDGET_H
