#ifndef RECORDERSESSION_H
#define RECORDERSESSION_H

#include "columnlevels.h"
#include "recordedtime.h"
#include "recordformat.h"
#include "takesession.h"
#include "versionreader.h"

#include <QAudioBuffer>
#include <QObject>
#include <QString>
#include <QUrl>
#include <QVector>

class ClipEditor;
class QAudioProbe;
class QAudioRecorder;
class QMediaPlayer;
class QTimer;

// The recorder without its panel: the take that records, pauses, is finalised and plays, the
// recorder, its probe and the player, and the versions that cutting makes of the take. The panel
// shows what it reports and passes the user's clicks on.
class RecorderSession : public QObject
{
    Q_OBJECT

public:
    enum State {
        NothingRecorded = 0,
        Recording = 1,
        TakeFinished = 2,
        RecordingPaused = 3,
        RecordingResumed = 4,
        Playing = 5,
        PlaybackPaused = 6,
    };
    Q_ENUM(State)

    static constexpr int FinaliseTimeoutMs = 3000;
    static constexpr int SpaceCheckMs = 1000;

    explicit RecorderSession(QObject *parent = nullptr);
    ~RecorderSession() override;

    // The recorder, its probe and the player load the multimedia backend, which the program's start
    // does not need: they are made on first use, or when the panel is first shown.
    void ensureMedia();
    // Ends what records, without a word to anyone: the panel is going. With waitForFile, the take's
    // file is finalised first, which runs the event loop.
    void abandon(bool waitForFile);

    // The audio input of the next take; the one recording now is not switched.
    void setInputDevName(const QString &name) { m_inputDevName = name; }
    QString inputDevName() const { return m_inputDevName; }
    // The format of the next take.
    void setFormat(const RecordFormat &format) { m_format = format; }
    // The input a take will use, as the record button's tooltip says it.
    QString inputDescription() const;
    State state() const { return m_state; }
    bool isRecording() const;
    qint64 elapsedMs() const { return m_elapsedMs; }
    // The length of the version shown, from its file.
    qint64 versionMs() const { return m_versionMs; }
    QUrl recordUrl() const { return m_recordUrl; }
    QString playPath() const { return m_playPath; }
    // The file of the take that records; empty while none does.
    QString recordingPath() const;
    QAudioRecorder *recorder() const { return m_recorder; }
    QMediaPlayer *player() const { return m_player; }
    ClipEditor *editor() const { return m_editor; }

    // The record button: starts a take, or finishes the one that records.
    void recordOrStop();
    // The pause/go button: pauses or resumes the take that records, else pauses or plays the take.
    void pauseOrGo();
    // Finishes the take that records, its file finalised before this returns.
    void finishRecording();
    // An existing take becomes the current one, as if it had just been recorded.
    void openTake(const QString &path);
    // Renames a take of the takes folder with its versions (see TakeList::rename); the current take
    // goes on being current under its new name, its versions, playback and undo following it. The
    // new path, or empty with the reason in `error`.
    QString renameTake(const QString &takePath, const QString &newName, QString *error);
    // Why the current take cannot be renamed while a job works on it.
    static QString renameWaitsText();
    // Both false when there is nothing to go back or forth to, or the session is busy.
    bool undo();
    bool redo();
    void setPosition(qint64 ms);
    // A cut or an export runs, or the version a cut made is being read.
    bool busy() const;

public slots:
    void processBuffer(QAudioBuffer buffer);

signals:
    void stateChanged(RecorderSession::State state);
    void recordingChanged(bool recording);
    void elapsedChanged(qint64 ms);
    // A take starts: what was shown of the last one goes.
    void takeStarted();
    // Recorded audio reached `count` more blocks of WaveFile::FramesPerBlock frames at sampleRate;
    // all of them get the levels of the buffers since the last.
    void blocksProbed(const QVector<qreal> &levels, int count, int sampleRate);
    // The version now current was read from its file: the take when it is finished or opened, a cut,
    // an undo or a redo.
    void versionRead(const VersionReader::Version &version);
    // Something the user asked for did not happen, or a take stopped, and why.
    void failed(const QString &title, const QString &text);

private:
    void connectMedia();
    void startTake();
    void finishTake();
    void waitForFinalisedTake();
    void checkSpace();
    void onRecorderError();
    void onPlayerStateChanged(int state);
    void emitDueBlocks();
    void setState(State state);
    void setElapsed(qint64 ms);
    void onJobEnded(TakeSession::Job job, bool succeeded);
    void showVersion(const QString &path);
    void onVersionRead(const VersionReader::Version &version);

    State m_state = NothingRecorded;
    QString m_inputDevName = QStringLiteral("Default");
    RecordFormat m_format;
    QUrl m_recordUrl;
    QUrl m_takeLocation;  // where the take now recording goes
    QString m_playPath;   // the version the player plays and the chart shows
    qint64 m_elapsedMs = 0;
    qint64 m_versionMs = 0;
    RecordedTime m_recordedTime;
    ColumnLevels m_column;  // the levels of the buffers since the last block
    qint64 m_blocksDone = 0;
    int m_blockRate = 0;    // the rate of the last buffer that had one
    QAudioRecorder *m_recorder = nullptr;
    QAudioProbe *m_probe = nullptr;
    QMediaPlayer *m_player = nullptr;
    QTimer *m_spaceWatch;   // runs while a take records
    ClipEditor *m_editor;
    VersionReader *m_reader;
};

#endif // RECORDERSESSION_H
