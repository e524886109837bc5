#include "ffmpegrunner.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

bool FfmpegRunner::run(const QStringList &arguments)
{
    m_error.clear();
    m_toolMissing = false;
    const QString program = programPath();
    if (program.isEmpty()) {
        m_toolMissing = true;
        return fail(tr("未找到 %1，无法剪切或导出录音。请安装 ffmpeg 后再试。").arg(programName()));
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // No console to answer from: a question such as "overwrite?" reads end of input and is declined.
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForStarted(-1)) {
        m_toolMissing = process.error() == QProcess::FailedToStart;
        return fail(tr("无法启动 %1：%2").arg(programName(), process.errorString()));
    }
    process.waitForFinished(-1);
    const QString lastOutput = lastLine(process.readAll());
    if (process.exitStatus() != QProcess::NormalExit)
        return fail(tr("%1 意外退出。%2").arg(programName(), lastOutput));
    if (process.exitCode() != 0)
        return fail(lastOutput.isEmpty() ? tr("%1 退出，返回码 %2。").arg(programName()).arg(process.exitCode())
                                         : lastOutput);
    const QFileInfo output(arguments.value(arguments.size() - 1));
    if (!output.isFile() || output.size() == 0)
        return fail(tr("%1 没有写出输出文件 %2。%3").arg(programName(), output.filePath(), lastOutput));
    return true;
}

bool FfmpegRunner::fail(const QString &error)
{
    m_error = error.trimmed();
    return false;
}

QString FfmpegRunner::lastLine(const QByteArray &output)
{
    // Progress lines end in carriage returns; either ending starts a new line.
    const QStringList lines = QString::fromLocal8Bit(output).split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (!it->trimmed().isEmpty())
            return it->trimmed();
    }
    return QString();
}
