#ifndef RECORDERBARS_H
#define RECORDERBARS_H

#include "takesession.h"

#include <QObject>

class JobBar;
class RecorderSession;
class RecoveryBar;
class QWidget;

// The bars that lie over the bottom of the chart: the running job's, with its progress and its
// cancel button, and the offer of a take recovered at start-up.
class RecorderBars : public QObject
{
    Q_OBJECT

public:
    RecorderBars(QWidget *panel, QWidget *frame, RecorderSession *session);

    // Over the bottom of the frame, the chart and its cursor above them in view.
    void place();
    // Takes cut short by a crash, a kill or a power cut are repaired, and the newest is offered; what
    // an interrupted cut or export was writing is removed.
    void offerRecoveredTake();

private:
    void onJobStarted(TakeSession::Job job, const QString &target);

    QWidget *m_frame;
    JobBar *m_jobBar;
    RecoveryBar *m_recoveryBar;
};

#endif // RECORDERBARS_H
