#include "recorderbars.h"

#include "clipeditor.h"
#include "jobbar.h"
#include "recordersession.h"
#include "recoverybar.h"
#include "takerecovery.h"
#include "takespace.h"

#include <QCoreApplication>
#include <QFileInfo>

RecorderBars::RecorderBars(QWidget *panel, QWidget *frame, RecorderSession *session)
    : QObject(panel), m_frame(frame), m_jobBar(new JobBar(panel)), m_recoveryBar(new RecoveryBar(panel))
{
    ClipEditor *editor = session->editor();
    connect(editor, &ClipEditor::jobStarted, this, &RecorderBars::onJobStarted);
    connect(editor, &ClipEditor::jobProgress, m_jobBar, &JobBar::setProgress);
    // A cut's bar stays until the chart shows the new version.
    const auto hideWhenIdle = [this, session] {
        if (!session->busy())
            m_jobBar->hide();
    };
    connect(editor, &ClipEditor::jobEnded, m_jobBar, hideWhenIdle);
    connect(session, &RecorderSession::versionRead, m_jobBar, hideWhenIdle);
    connect(m_jobBar, &JobBar::cancelRequested, editor, &ClipEditor::cancel);
    connect(m_recoveryBar, &RecoveryBar::openRequested, session, &RecorderSession::openTake);
}

void RecorderBars::place()
{
    const QRect frame = m_frame->geometry();
    for (QFrame *bar : {static_cast<QFrame *>(m_jobBar), static_cast<QFrame *>(m_recoveryBar)}) {
        const int height = qMin(frame.height(), bar->sizeHint().height());
        bar->setGeometry(frame.left() + 1, frame.bottom() - height, frame.width() - 2, height);
    }
}

void RecorderBars::offerRecoveredTake()
{
    FfmpegJob::removeLeftovers();
    const QVector<TakeRecovery::Take> takes = TakeRecovery::repair(TakeSpace::takeFolders());
    if (takes.isEmpty())
        return;
    m_recoveryBar->offer(takes.first().path, takes.first().recorded);
    place();
}

void RecorderBars::onJobStarted(TakeSession::Job job, const QString &target)
{
    const QString suffix = QFileInfo(target).suffix().toUpper();
    m_jobBar->begin(job == TakeSession::Job::Cutting
                        ? QCoreApplication::translate("RecordWidget", "正在剪切…")
                        : QCoreApplication::translate("RecordWidget", "正在导出为 %1…").arg(suffix));
    place();
}
