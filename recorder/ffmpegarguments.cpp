#include "ffmpegarguments.h"

#include <QFileInfo>
#include <QHash>

#include <cmath>

namespace {

QString seconds(double value)
{
    return QString::number(value, 'f', 2);
}

} // namespace

QStringList FfmpegArguments::cut(const QString &input, double startSeconds, double endSeconds, const QString &output)
{
    return {"-i", input, "-filter_complex", cutFilter(startSeconds, endSeconds), output};
}

QStringList FfmpegArguments::exportTo(const QString &input, const QString &output)
{
    QStringList arguments{"-y", "-i", input};
    // The tool rejects an empty codec name, so an empty one is left out rather than passed.
    const QString codec = codecForSuffix(QFileInfo(output).suffix());
    if (!codec.isEmpty())
        arguments << "-acodec" << codec;
    arguments << output;
    return arguments;
}

// The filter reads a duration of 0 as no limit at all: a cut from the start must not keep a part
// before it, or it would keep the whole version and add the rest once more.
QString FfmpegArguments::cutFilter(double startSeconds, double endSeconds)
{
    const bool keepsHead = keepsAudioBefore(startSeconds);
    const bool keepsTail = !std::isinf(endSeconds);
    if (keepsHead && keepsTail) {
        return QStringLiteral("[0]atrim=duration=%1[a];[0]atrim=start=%2[b];[a][b]concat=n=2:v=0:a=1")
            .arg(seconds(startSeconds), seconds(endSeconds));
    }
    if (keepsHead)
        return QStringLiteral("[0]atrim=duration=%1").arg(seconds(startSeconds));
    return QStringLiteral("[0]atrim=start=%1").arg(seconds(endSeconds));
}

bool FfmpegArguments::keepsAudioBefore(double startSeconds)
{
    return seconds(startSeconds) != seconds(0);
}

QString FfmpegArguments::codecForSuffix(const QString &suffix)
{
    static const QHash<QString, QString> codecs{
        {"mp3", "libmp3lame"}, {"aac", "aac"}, {"wma", "wmav2"}, {"flac", "flac"}, {"ac3", "ac3"}};
    return codecs.value(suffix.toLower());
}
