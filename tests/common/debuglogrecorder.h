#ifndef DEBUGLOGRECORDER_H
#define DEBUGLOGRECORDER_H

#include <QStringList>
#include <QtGlobal>

// Collects the program's debug log lines (qDebug and friends) while it lives; nothing reaches the
// console meanwhile. One at a time.
class DebugLogRecorder
{
public:
    DebugLogRecorder();
    ~DebugLogRecorder();
    DebugLogRecorder(const DebugLogRecorder &) = delete;
    DebugLogRecorder &operator=(const DebugLogRecorder &) = delete;

    QStringList lines() const;
    // The lines that start with `prefix`.
    QStringList lines(const QString &prefix) const;
    void clear();

private:
    QtMessageHandler m_previous;
};

#endif // DEBUGLOGRECORDER_H
