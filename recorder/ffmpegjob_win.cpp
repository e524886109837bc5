#include "ffmpegjob.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <windows.h>

QString FfmpegJob::programName()
{
    return QStringLiteral("ffmpeg.exe");
}

QString FfmpegJob::programPath()
{
    // A copy shipped beside the program wins over whatever the search path holds.
    const QFileInfo beside(QDir(QCoreApplication::applicationDirPath()).filePath(programName()));
    if (beside.isFile())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(programName());
}

bool FfmpegJob::replaceFile(const QString &from, const QString &to)
{
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    return MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
