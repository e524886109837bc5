#ifndef FFMPEGARGUMENTS_H
#define FFMPEGARGUMENTS_H

#include <QString>
#include <QStringList>

#include <limits>

// The encoder's argument lists for cutting a span out of a version and for exporting a version.
class FfmpegArguments
{
public:
    // An end of a cut that reaches the end of the version: nothing after the span is kept.
    static constexpr double ToTheEnd = std::numeric_limits<double>::infinity();

    // Keeps the audio before startSeconds and from endSeconds on, joined; the span between is gone.
    // A start that is 0 at the filter's precision keeps nothing before the span. The caller never
    // asks for both ends at once: that would keep nothing.
    static QStringList cut(const QString &input, double startSeconds, double endSeconds, const QString &output);
    // Encodes input into output with the codec the output's suffix asks for, replacing an existing output.
    static QStringList exportTo(const QString &input, const QString &output);

    static QString cutFilter(double startSeconds, double endSeconds);
    // Whether a cut from startSeconds leaves audio before it, at the precision the filter is given.
    static bool keepsAudioBefore(double startSeconds);
    // The encoder for a file suffix, whatever its case; empty when the tool should choose by the
    // file name itself (WAV and suffixes the table does not know).
    static QString codecForSuffix(const QString &suffix);
};

#endif // FFMPEGARGUMENTS_H
