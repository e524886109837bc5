#include "ffmpegrunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString FfmpegRunner::programName()
{
    return QStringLiteral("ffmpeg.exe");
}

QString FfmpegRunner::programPath()
{
    // A copy shipped beside the program wins over whatever the search path holds.
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(programName()));
    if (beside.isFile())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(programName());
}
