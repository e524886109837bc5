#ifndef POWERLOG_H
#define POWERLOG_H

#include <QObject>

// Notes in the log when the machine goes to sleep, wakes up, or the session ends.
class PowerLog : public QObject
{
    Q_OBJECT
public:
    explicit PowerLog(QObject *parent = nullptr);

    // Subscribes to the system's own notices where it sends them to processes; false when there are none
    // to subscribe to (the window then forwards them itself).
    bool watch();

signals:
    // The machine is about to sleep, or the session to end: whatever must be finished, now.
    void goingToSleep();
    void sessionEnding();

public slots:
    void prepareForSleep(bool sleeping);
    void prepareForShutdown(bool shuttingDown);
};

#endif
