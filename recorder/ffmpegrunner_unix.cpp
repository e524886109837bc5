#include "ffmpegrunner.h"

#include <QStandardPaths>

QString FfmpegRunner::programName()
{
    return QStringLiteral("ffmpeg");
}

QString FfmpegRunner::programPath()
{
    return QStandardPaths::findExecutable(programName());
}
