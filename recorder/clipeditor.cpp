#include "clipeditor.h"

#include "ffmpegarguments.h"

#include <QDebug>

ClipEditor::ClipEditor(QObject *parent) : QObject(parent)
{
    connect(&m_job, &FfmpegJob::progressed, this, &ClipEditor::jobProgress);
    connect(&m_job, &FfmpegJob::finished, this, &ClipEditor::onJobFinished);
}

void ClipEditor::startTake(const QString &takePath)
{
    cancel();
    m_session.start(takePath);
}

bool ClipEditor::cut(double startSeconds, double endSeconds, qint64 versionMs)
{
    if (!m_session.hasTake() || busy())
        return false;
    // Within a millisecond of the version's end is its end; the rest of the audio goes with the span.
    const bool toTheEnd = endSeconds * 1000 >= double(versionMs) - 1;
    if (toTheEnd && !FfmpegArguments::keepsAudioBefore(startSeconds)) {
        emit failed(tr("剪切"), tr("所选范围是整段录音，剪切后什么也不剩。录音保持不变。"));
        return false;
    }
    const double end = toTheEnd ? FfmpegArguments::ToTheEnd : endSeconds;
    const qint64 expectedMs = toTheEnd ? qint64(startSeconds * 1000) : versionMs - qint64((endSeconds - startSeconds) * 1000);
    const QString cutPath = m_session.nextCutPath();
    return startJob(TakeSession::Job::Cutting, FfmpegArguments::cut(m_session.current(), startSeconds, end, cutPath),
                    expectedMs, FfmpegJob::Existing::Keep);
}

bool ClipEditor::exportTo(const QString &target, qint64 versionMs)
{
    if (!m_session.hasTake() || busy())
        return false;
    // Writing onto the take or one of its versions would destroy it while it is read, or the audio
    // that undo or redo brings back.
    if (m_session.isOwnFile(target)) {
        emit failed(tr("保存文件"), tr("不能导出到这段录音本身或它的剪切版本：%1").arg(target));
        return false;
    }
    return startJob(TakeSession::Job::Exporting, FfmpegArguments::exportTo(m_session.current(), target), versionMs,
                    FfmpegJob::Existing::Replace);
}

bool ClipEditor::undo()
{
    return !busy() && m_session.undo();
}

bool ClipEditor::redo()
{
    return !busy() && m_session.redo();
}

void ClipEditor::cancel()
{
    m_job.cancel();
}

bool ClipEditor::startJob(TakeSession::Job job, const QStringList &arguments, qint64 expectedMs,
                          FfmpegJob::Existing existing)
{
    m_target = arguments.last();
    if (!m_job.start(arguments, expectedMs, existing)) {
        reportFailure(job);
        return false;
    }
    m_session.setJob(job);
    emit jobStarted(job, m_target);
    return true;
}

void ClipEditor::onJobFinished(bool succeeded)
{
    const TakeSession::Job job = m_session.job();
    m_session.setJob(TakeSession::Job::None);
    if (succeeded && job == TakeSession::Job::Cutting) {
        m_session.applyCut(m_target);
        qDebug() << "m_playPath" << m_session.current();
    } else if (succeeded) {
        // Versions cut here that neither undo nor redo can reach any more are of no further use once
        // the take is exported.
        TakeVersions(m_session.takePath()).removeVersions(m_session.orphans());
    } else if (!m_job.wasCancelled()) {
        reportFailure(job);
    }
    emit jobEnded(job, succeeded);
}

// A missing tool is said once and plainly; any other failure with the tool's own last word.
void ClipEditor::reportFailure(TakeSession::Job job)
{
    const bool cutting = job == TakeSession::Job::Cutting;
    const QString title = cutting ? tr("剪切") : tr("保存文件");
    const QString what = cutting ? tr("剪切失败，录音保持不变。") : tr("导出到 %1 失败。").arg(m_target);
    emit failed(title, m_job.toolMissing() ? m_job.errorString() : what + "\n" + m_job.errorString());
}
