#include "ffmpegjob.h"

#include <QFile>
#include <QStandardPaths>

#include <cstdio>

QString FfmpegJob::programName()
{
    return QStringLiteral("ffmpeg");
}

QString FfmpegJob::programPath()
{
    return QStandardPaths::findExecutable(programName());
}

bool FfmpegJob::replaceFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
