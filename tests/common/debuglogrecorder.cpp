#include "debuglogrecorder.h"

#include <QMutex>
#include <QMutexLocker>

namespace {

QMutex mutex;
QStringList recorded;

void record(QtMsgType, const QMessageLogContext &, const QString &message)
{
    QMutexLocker lock(&mutex);
    recorded.append(message);
}

} // namespace

DebugLogRecorder::DebugLogRecorder()
{
    clear();
    m_previous = qInstallMessageHandler(record);
}

DebugLogRecorder::~DebugLogRecorder()
{
    qInstallMessageHandler(m_previous);
}

QStringList DebugLogRecorder::lines() const
{
    QMutexLocker lock(&mutex);
    return recorded;
}

QStringList DebugLogRecorder::lines(const QString &prefix) const
{
    QStringList result;
    for (const QString &line : lines()) {
        if (line.startsWith(prefix))
            result.append(line);
    }
    return result;
}

void DebugLogRecorder::clear()
{
    QMutexLocker lock(&mutex);
    recorded.clear();
}
