#ifndef RECORDWIDGET_H
#define RECORDWIDGET_H

#include "columnlevels.h"
#include "recordedtime.h"
#include "wavefile.h"

#include <QAudioBuffer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVector>
#include <QWidget>

class FfmpegRunner;
class TakeVersions;
class QAudioProbe;
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

    explicit RecordWidget(QWidget *parent = nullptr);
    ~RecordWidget() override;

    // The audio input of the next take; the one recording now is not switched.
    void setInputDevName(QString name);

    QString inputDevName() const { return m_inputDevName; }
    int recordState() const { return m_state; }
    qint64 elapsedMs() const { return m_elapsedMs; }
    QUrl recordUrl() const { return m_recordUrl; }
    QString playPath() const { return m_playPath; }
    QAudioRecorder *recorder() const { return m_recorder; }
    QMediaPlayer *player() const { return m_player; }

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_btnRecord_clicked();
    void on_btnPauseGo_clicked();
    void processBuffer(QAudioBuffer buffer);
    void updateProgress(qlonglong pos);
    void cutAudio(double startTime, double endTime);
    void on_waveformData(QVector<qreal> &data);
    void undo();
    void on_btnSave_clicked();

private:
    void connectParts();
    void waitForFinalisedTake();
    void startTake();
    void finishTake();
    void loadTake();
    void drawDueColumns();
    void onPlayerStateChanged(int state);
    void playFromCursor();
    void setRecordState(int state);
    static void setButtonIcon(QToolButton *button, const QString &image);
    void showVersion(const QString &path);
    bool drawVersion(const QString &path);
    bool exportVersion(const QString &filePath);
    TakeVersions takeVersions() const;
    void reportFailure(const QString &title, const QString &what, const FfmpegRunner &runner);

    Ui::RecordWidget *ui;
    QUrl m_recordUrl;
    QUrl m_takeLocation;  // where the take now recording goes
    QString m_playPath;
    QStringList m_undoPaths;  // earlier versions, newest last
    WaveFile m_reader;
    int m_cutIndex = 1;
    int m_state = NothingRecorded;
    qint64 m_elapsedMs = 0;
    RecordedTime m_recordedTime;
    ColumnLevels m_column;    // the buffers of the column being filled
    qint64 m_columnsDrawn = 0;
    QString m_inputDevName = QStringLiteral("Default");
    QAudioRecorder *m_recorder;
    QAudioProbe *m_probe;
    QMediaPlayer *m_player;
    QTimer *m_playTimer;
};

#endif // RECORDWIDGET_H
