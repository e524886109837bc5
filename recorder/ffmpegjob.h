#ifndef FFMPEGJOB_H
#define FFMPEGJOB_H

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// One run of the external encoder, started and followed without ever waiting for it: its progress
// comes as it goes, and the end through finished(). The tool writes into a temporary file beside
// the output, which takes the output's place only when the tool exited with 0 and wrote something,
// so that a failed, cancelled or interrupted run leaves whatever was at the output untouched.
class FfmpegJob : public QObject
{
    Q_OBJECT

public:
    enum class Existing { Keep, Replace };

    explicit FfmpegJob(QObject *parent = nullptr);
    // A job still running is cancelled: the tool is stopped and its partial output removed.
    ~FfmpegJob() override;

    // Starts the tool on `arguments`, whose last item is the output; `expectedMs` is the length of
    // the audio the output will hold (0 when unknown), against which progress is measured. With
    // Existing::Keep a file that is at the output by the end is never replaced. False, with
    // errorString() saying why, when the tool could not be started; finished() then never comes.
    bool start(const QStringList &arguments, qint64 expectedMs, Existing existing);
    // Stops the tool; finished(false) follows, with wasCancelled() true.
    void cancel();
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }

    // The tool's last error line, or what kept it from running or its output from its place.
    QString errorString() const { return m_error; }
    bool toolMissing() const { return m_toolMissing; }
    bool wasCancelled() const { return m_cancelled; }

    // Removes the temporary files of jobs that a crash or a kill ended; only while no job runs.
    // Returns the removed paths.
    static QStringList removeLeftovers();

    // Where the tool would be started from; empty when it cannot be found.
    static QString programPath();
    static QString programName();
    // The text that says the tool is missing.
    static QString missingText();

signals:
    // fraction 0..1 of the expected output written, and an estimate of the time left (-1 unknown).
    void progressed(double fraction, qint64 remainingMs);
    void finished(bool succeeded);

private:
    void readProgress();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    bool placeOutput();
    bool fail(const QString &error);
    void removeTemporary();
    QString lastErrorLine() const;
    // Moves `from` over `to` in one step, replacing a file that is there.
    static bool replaceFile(const QString &from, const QString &to);

    QProcess m_process;
    QElapsedTimer m_clock;
    QString m_output;
    QString m_temporary;
    QByteArray m_errorOutput;
    qint64 m_expectedMs = 0;
    Existing m_existing = Existing::Keep;
    QString m_error;
    bool m_toolMissing = false;
    bool m_cancelled = false;
};

#endif // FFMPEGJOB_H
