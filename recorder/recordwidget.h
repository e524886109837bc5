#ifndef RECORDWIDGET_H
#define RECORDWIDGET_H

#include "exportplace.h"
#include "recordersession.h"
#include "takesession.h"

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class FfmpegEncoders;
class InputMenu;
class InputMeter;
class LevelMeter;
class RecorderChoices;
class RecorderBars;
class RecorderKeys;
class TakeChart;
class QTimer;
class QToolButton;

namespace Ui {
class RecordWidget;
}

// The recorder panel: the view of a RecorderSession. It shows the take's state on its buttons, its
// time on the label and its levels on the chart, with the play cursor moving while the take plays,
// and passes the user's clicks and keys on to the session.
class RecordWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PlayTickMs = 40;

    explicit RecordWidget(QWidget *parent = nullptr);
    ~RecordWidget() override;

    // The audio input of the next take; the one recording now is not switched.
    void setInputDevName(QString name);
    bool isRecording() const { return m_session->isRecording(); }

    RecorderSession *session() const { return m_session; }
    QString inputDevName() const { return m_session->inputDevName(); }
    int recordState() const { return m_session->state(); }
    qint64 elapsedMs() const { return m_session->elapsedMs(); }
    QUrl recordUrl() const { return m_session->recordUrl(); }
    QString playPath() const { return m_session->playPath(); }
    QAudioRecorder *recorder() const { return m_session->recorder(); }
    QMediaPlayer *player() const { return m_session->player(); }

public slots:
    // Finishes the take that records, its file completed before this returns (the session ends,
    // the machine goes to sleep).
    void finishRecording();

signals:
    void recordingChanged(bool recording);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    void on_btnRecord_clicked();
    void on_btnPauseGo_clicked();
    void updateProgress(qlonglong pos);
    void cutAudio(double startTime, double endTime);
    void undo();
    void on_btnSave_clicked();
    void redo();
    void on_btnTakes_clicked();

private:
    void connectSession();
    void connectParts();
    void ensureMedia();
    void playFromCursor();
    void setRecordState(RecorderSession::State state);
    static void setButtonIcon(QToolButton *button, const QString &image);
    void stepVersion(const std::function<bool()> &step);
    void onJobEnded(TakeSession::Job job, bool succeeded);
    void updateAvailability();
    void applyChoices();

    Ui::RecordWidget *ui;
    RecorderSession *m_session;
    ClipEditor *m_editor;  // the session's
    FfmpegEncoders *m_encoders;
    QTimer *m_playTimer;
    RecorderBars *m_bars;
    ExportPlace m_exportPlace;
    TakeChart *m_chart;
    RecorderKeys *m_keys;
    RecorderChoices *m_choices;
    InputMeter *m_meter;
    LevelMeter *m_levelMeter;
    InputMenu *m_inputMenu;
};

#endif // RECORDWIDGET_H
