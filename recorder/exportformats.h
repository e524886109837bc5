#ifndef EXPORTFORMATS_H
#define EXPORTFORMATS_H

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QStringList>

// The formats a take can be exported to, as the save dialog offers them: a readable, translated
// filter per format ("MP3 audio (*.mp3)"), only for those whose encoder the installed tool has.
class ExportFormats
{
    Q_DECLARE_TR_FUNCTIONS(ExportFormats)

public:
    // The dialog's filters for the encoders the tool lists; every format while that list is unknown (empty).
    static QStringList filters(const QSet<QString> &encoders);
    // "mp3" for "MP3 audio (*.mp3)"; empty for a filter of no known format.
    static QString suffixOf(const QString &filter);
    // The filter of a suffix among `filters`, or the first filter.
    static QString filterFor(const QStringList &filters, const QString &suffix);
    // The path with the filter's suffix added when it does not end in the suffix of a format.
    static QString withSuffix(const QString &path, const QString &filter);
    // Whether a suffix, in any case, is one of the formats'.
    static bool isFormatSuffix(const QString &suffix);
};

#endif // EXPORTFORMATS_H
