#ifndef FFMPEGARGUMENTS_H
#define FFMPEGARGUMENTS_H

#include <QString>
#include <QStringList>

// The encoder's argument lists for cutting a span out of a version and for exporting a version.
class FfmpegArguments
{
public:
    // Keeps the audio before startSeconds and from endSeconds on, joined; the span between is gone.
    static QStringList cut(const QString &input, double startSeconds, double endSeconds, const QString &output);
    // Encodes input into output with the codec the output's suffix asks for, replacing an existing output.
    static QStringList exportTo(const QString &input, const QString &output);

    static QString cutFilter(double startSeconds, double endSeconds);
    // The encoder for a file suffix, whatever its case; empty when the tool should choose by the
    // file name itself (WAV and suffixes the table does not know).
    static QString codecForSuffix(const QString &suffix);
};

#endif // FFMPEGARGUMENTS_H
