#ifndef CLIPEDITOR_H
#define CLIPEDITOR_H

#include "ffmpegjob.h"
#include "takesession.h"

#include <QObject>
#include <QString>

// Cutting, undo, redo and export of a take, with the encoder running in the background: one job at
// a time, whose failure or cancelling leaves the take's versions, its undo and redo and any file at
// an export's target as they were.
class ClipEditor : public QObject
{
    Q_OBJECT

public:
    explicit ClipEditor(QObject *parent = nullptr);

    const TakeSession &session() const { return m_session; }
    bool busy() const { return m_session.busy(); }

    void startTake(const QString &takePath);
    // The take was renamed with its versions while no job ran.
    void renameTake(const QString &newTakePath) { m_session.renameTake(newTakePath); }
    // Starts removing startSeconds..endSeconds from the current version, which is versionMs long; an
    // end at or past versionMs removes everything from the start on. The whole version is never cut
    // (that is reported). False when nothing was started (no take, a job running, or a failure
    // already reported).
    bool cut(double startSeconds, double endSeconds, qint64 versionMs);
    // Starts encoding the current version into target; refused for the take and its versions.
    bool exportTo(const QString &target, qint64 versionMs);
    bool undo();
    bool redo();
    void cancel();

signals:
    void jobStarted(TakeSession::Job job, const QString &target);
    void jobProgress(double fraction, qint64 remainingMs);
    void jobEnded(TakeSession::Job job, bool succeeded);
    // Something the user asked for did not happen, and why.
    void failed(const QString &title, const QString &text);

private:
    bool startJob(TakeSession::Job job, const QStringList &arguments, qint64 expectedMs, FfmpegJob::Existing existing);
    void onJobFinished(bool succeeded);
    void reportFailure(TakeSession::Job job);

    TakeSession m_session;
    FfmpegJob m_job;
    QString m_target;
};

#endif // CLIPEDITOR_H
