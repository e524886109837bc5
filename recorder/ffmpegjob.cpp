#include "ffmpegjob.h"

#include <algorithm>

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryFile>

namespace {

const int StopWaitMs = 3000;
// The temporary files of the jobs running now, so that those a crash or a kill left behind can be
// found and removed at the next start.
const QString TemporariesKey = QStringLiteral("Recorder/JobTemporaries");

// Entries whose file is gone, placed as an output, are dropped whenever the list is written.
void setTemporaries(QStringList paths)
{
    paths.erase(std::remove_if(paths.begin(), paths.end(), [](const QString &path) { return !QFileInfo::exists(path); }),
                paths.end());
    QSettings settings;
    if (paths.isEmpty())
        settings.remove(TemporariesKey);
    else
        settings.setValue(TemporariesKey, paths);
}

QStringList temporaries()
{
    return QSettings().value(TemporariesKey).toStringList();
}

} // namespace

FfmpegJob::FfmpegJob(QObject *parent) : QObject(parent)
{
    // No console to answer from: a question such as "overwrite?" reads end of input and is declined.
    m_process.setStandardInputFile(QProcess::nullDevice());
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &FfmpegJob::readProgress);
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this] { m_errorOutput.append(m_process.readAllStandardError()); });
    connect(&m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &FfmpegJob::onFinished);
}

FfmpegJob::~FfmpegJob()
{
    if (!isRunning())
        return;
    m_process.disconnect(this);
    m_process.kill();
    m_process.waitForFinished(StopWaitMs);
    removeTemporary();
}

QString FfmpegJob::missingText()
{
    return tr("未找到 %1，无法剪切或导出录音。请安装 ffmpeg 后再试。").arg(programName());
}

bool FfmpegJob::start(const QStringList &arguments, qint64 expectedMs, Existing existing)
{
    m_error.clear();
    m_errorOutput.clear();
    m_toolMissing = false;
    m_cancelled = false;
    m_output = arguments.value(arguments.size() - 1);
    m_expectedMs = expectedMs;
    m_existing = existing;
    const QString program = programPath();
    if (program.isEmpty()) {
        m_toolMissing = true;
        return fail(missingText());
    }
    // The temporary file keeps the output's suffix, by which the tool chooses the format, and is
    // hidden, so that it shows in no file dialog while it grows.
    const QFileInfo output(m_output);
    QTemporaryFile temporary(output.absolutePath() + "/." + output.completeBaseName() + ".XXXXXX." + output.suffix());
    temporary.setAutoRemove(false);
    if (!temporary.open())
        return fail(tr("无法在 %1 中写入：%2").arg(output.absolutePath(), temporary.errorString()));
    m_temporary = temporary.fileName();
    temporary.close();
    setTemporaries(temporaries() << m_temporary);
    // A temporary file is private to its owner; the output takes the permissions of the file it
    // replaces, or those of a new document.
    QFile::setPermissions(m_temporary, output.exists() ? QFile::permissions(m_output)
                                                       : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                             | QFileDevice::ReadGroup | QFileDevice::ReadOther);

    QStringList toolArguments{"-nostdin", "-nostats", "-progress", "pipe:1", "-y"};
    toolArguments << arguments.mid(0, arguments.size() - 1) << m_temporary;
    m_clock.start();
    m_process.start(program, toolArguments);
    if (!m_process.waitForStarted(-1)) {
        m_toolMissing = m_process.error() == QProcess::FailedToStart;
        removeTemporary();
        return fail(tr("无法启动 %1：%2").arg(programName(), m_process.errorString()));
    }
    return true;
}

void FfmpegJob::cancel()
{
    if (!isRunning())
        return;
    m_cancelled = true;
    m_process.kill();
}

// The tool reports blocks of key=value lines; the time written so far is out_time_us.
void FfmpegJob::readProgress()
{
    while (m_process.canReadLine()) {
        const QByteArray line = m_process.readLine().trimmed();
        if (!line.startsWith("out_time_us=") || m_expectedMs <= 0)
            continue;
        const qint64 writtenMs = line.mid(int(qstrlen("out_time_us="))).toLongLong() / 1000;
        const double fraction = qBound(0.0, double(writtenMs) / double(m_expectedMs), 1.0);
        const qint64 elapsed = m_clock.elapsed();
        const qint64 remaining = fraction > 0 ? qint64(elapsed * (1 - fraction) / fraction) : -1;
        emit progressed(fraction, remaining);
    }
}

void FfmpegJob::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_errorOutput.append(m_process.readAllStandardError());
    bool succeeded = false;
    if (m_cancelled)
        fail(tr("已取消。"));
    else if (status != QProcess::NormalExit)
        fail(tr("%1 意外退出。%2").arg(programName(), lastErrorLine()));
    else if (exitCode != 0)
        fail(lastErrorLine().isEmpty() ? tr("%1 退出，返回码 %2。").arg(programName()).arg(exitCode) : lastErrorLine());
    else if (QFileInfo(m_temporary).size() == 0)
        fail(tr("%1 没有写出输出文件 %2。%3").arg(programName(), m_output, lastErrorLine()));
    else
        succeeded = placeOutput();
    removeTemporary();
    emit finished(succeeded);
}

bool FfmpegJob::placeOutput()
{
    if (m_existing == Existing::Keep && QFileInfo::exists(m_output))
        return fail(tr("%1 已经存在，没有被覆盖。").arg(m_output));
    if (!replaceFile(m_temporary, m_output))
        return fail(tr("无法写入 %1。").arg(m_output));
    return true;
}

bool FfmpegJob::fail(const QString &error)
{
    m_error = error.trimmed();
    return false;
}

void FfmpegJob::removeTemporary()
{
    if (m_temporary.isEmpty())
        return;
    // Placed as the output, the temporary is gone and its entry can wait for the next write of the
    // list: a write syncs the disk, which right after a long take's cut was placed holds the GUI
    // thread for a second.
    if (QFileInfo::exists(m_temporary)) {
        QFile::remove(m_temporary);
        QStringList paths = temporaries();
        paths.removeAll(m_temporary);
        setTemporaries(paths);
    }
    m_temporary.clear();
}

QStringList FfmpegJob::removeLeftovers()
{
    QStringList removed;
    for (const QString &path : temporaries()) {
        const QFileInfo file(path);
        // Only a hidden file of a job's own naming, as it was made: the name could have been taken since.
        if (file.fileName().startsWith(QLatin1Char('.')) && file.isFile() && !file.isSymLink() && QFile::remove(path)) {
            qDebug().noquote() << QStringLiteral("***leftover of an interrupted cut or export removed: %1").arg(path);
            removed << path;
        }
    }
    setTemporaries({});
    return removed;
}

// The tool's own word on what went wrong. It closes a failed run with a line that only says that
// it failed; the one before says why.
QString FfmpegJob::lastErrorLine() const
{
    const QStringList lines = QString::fromLocal8Bit(m_errorOutput).split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts);
    QStringList meaningful;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1String("Conversion failed")))
            meaningful << line.trimmed();
    }
    return meaningful.value(meaningful.size() - 1);
}
