#include "virtualcardprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {
const QString pluggedIn = QStringLiteral("plugged in ");
}

VirtualCardProcess::VirtualCardProcess()
{
    m_process.setStandardOutputFile(m_dir.filePath(QStringLiteral("card.log")));
    m_process.setStandardErrorFile(m_dir.filePath(QStringLiteral("card.err")));
}

VirtualCardProcess::~VirtualCardProcess()
{
    if (isRunning())
        kill();
}

bool VirtualCardProcess::start(const QStringList &options, int timeoutMs)
{
    m_lines.clear();
    m_logOffset = 0;
    m_taken = 0;
    m_socketPath.clear();
    QFile::remove(m_dir.filePath(QStringLiteral("card.log")));
    QStringList arguments{QStringLiteral("--log")};
    if (m_trace)
        arguments.append(QStringLiteral("--trace"));
    m_process.start(program(), arguments + options);
    if (!m_process.waitForStarted(timeoutMs))
        return false;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        readLog();
        if (!m_lines.isEmpty() && m_lines.constFirst().startsWith(pluggedIn)) {
            m_socketPath = m_lines.constFirst().mid(pluggedIn.size());
            return true;
        }
        if (m_process.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(5);
    }
    return false;
}

bool VirtualCardProcess::stop(int timeoutMs)
{
    m_process.terminate();
    return waitForFinished(timeoutMs);
}

bool VirtualCardProcess::kill(int timeoutMs)
{
    m_process.kill();
    return waitForFinished(timeoutMs);
}

bool VirtualCardProcess::waitForFinished(int timeoutMs)
{
    return m_process.state() == QProcess::NotRunning || m_process.waitForFinished(timeoutMs);
}

bool VirtualCardProcess::isRunning() const
{
    return m_process.state() != QProcess::NotRunning;
}

int VirtualCardProcess::exitCode() const
{
    return m_process.exitCode();
}

QString VirtualCardProcess::errorText() const
{
    QFile file(m_dir.filePath(QStringLiteral("card.err")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList VirtualCardProcess::logLines()
{
    readLog();
    return m_lines;
}

QStringList VirtualCardProcess::takeLogLines()
{
    readLog();
    const QStringList lines = m_lines.mid(m_taken);
    m_taken = m_lines.size();
    return lines;
}

QStringList VirtualCardProcess::calls(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("call ")))
            result.append(line.mid(5));
    }
    return result;
}

QString VirtualCardProcess::program()
{
    const QByteArray buildDir = qgetenv("VELORA_BUILD_DIR");
    return QDir(buildDir.isEmpty() ? QStringLiteral(VELORA_BINARY_DIR) : QString::fromLocal8Bit(buildDir))
        .filePath(QStringLiteral("velora-virtualcard"));
}

QString VirtualCardProcess::busFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/velora-bus");
}

// The card flushes each line before it answers the call that caused it; only complete lines count.
void VirtualCardProcess::readLog()
{
    QFile file(m_dir.filePath(QStringLiteral("card.log")));
    if (!file.open(QIODevice::ReadOnly) || !file.seek(m_logOffset))
        return;
    const QByteArray data = file.readAll();
    const int end = data.lastIndexOf('\n') + 1;
    m_logOffset += end;
    for (const QByteArray &line : data.left(end).split('\n')) {
        if (!line.isEmpty())
            m_lines.append(QString::fromUtf8(line));
    }
}
