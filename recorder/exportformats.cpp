#include "exportformats.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

struct Format
{
    const char *suffix;
    const char *encoder;  // the encoder the export of this suffix needs
    const char *label;
};

const Format formats[] = {
    {"mp3", "libmp3lame", QT_TRANSLATE_NOOP("ExportFormats", "MP3 音频")},
    {"wav", "pcm_s16le", QT_TRANSLATE_NOOP("ExportFormats", "WAV 音频")},
    {"aac", "aac", QT_TRANSLATE_NOOP("ExportFormats", "AAC 音频")},
    {"wma", "wmav2", QT_TRANSLATE_NOOP("ExportFormats", "WMA 音频")},
    {"flac", "flac", QT_TRANSLATE_NOOP("ExportFormats", "FLAC 音频")},
    {"ac3", "ac3", QT_TRANSLATE_NOOP("ExportFormats", "AC-3 音频")},
};

} // namespace

QStringList ExportFormats::filters(const QSet<QString> &encoders)
{
    QStringList result;
    for (const Format &format : formats) {
        if (encoders.isEmpty() || encoders.contains(QLatin1String(format.encoder)))
            result << QStringLiteral("%1 (*.%2)").arg(tr(format.label), QLatin1String(format.suffix));
    }
    return result;
}

QString ExportFormats::suffixOf(const QString &filter)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\(\\*\\.(\\w+)\\)$")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString ExportFormats::filterFor(const QStringList &filters, const QString &suffix)
{
    for (const QString &filter : filters) {
        if (suffixOf(filter).compare(suffix, Qt::CaseInsensitive) == 0)
            return filter;
    }
    return filters.value(0);
}

// A dot in a name ("Mr. Smith", "2024.05.01") does not make a suffix: only a format's own does.
QString ExportFormats::withSuffix(const QString &path, const QString &filter)
{
    const QString suffix = suffixOf(filter);
    if (path.isEmpty() || suffix.isEmpty() || isFormatSuffix(QFileInfo(path).suffix()))
        return path;
    return path + "." + suffix;
}

bool ExportFormats::isFormatSuffix(const QString &suffix)
{
    for (const Format &format : formats) {
        if (suffix.compare(QLatin1String(format.suffix), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
