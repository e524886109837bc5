#ifndef PRESETFILE_H
#define PRESETFILE_H

#include "preset.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// A preset's own file: UTF-8 JSON, for example
//   {"velora-preset": 1, "name": "夜间", "note": "",
//    "bands": {"60": 30, "300": 25, "1200": 21, "3600": 22, "12000": 27},
//    "dB": {"60": 3.95, "300": 1.63, "1200": -0.23, "3600": 0.23, "12000": 2.56}}
// "velora-preset" is the format's version. The bands in the card's units are what is applied; the dB
// values (rounded to 0.01) are written for people and other programs and not read back. Fields this
// version does not know are skipped, so a file from a newer Velora still reads when its bands do.
class PresetFile
{
    Q_DECLARE_TR_FUNCTIONS(PresetFile)
public:
    static constexpr int version = 1;
    // Far above any preset; a larger file is not read at all.
    static constexpr qint64 maxSize = 1024 * 1024;

    static QByteArray write(const Preset &preset);
    // False with the reason in `why` for anything that is not a whole preset.
    static bool read(const QByteArray &bytes, Preset *preset, QString *why);
    // The reason for text that no reader here takes: empty, too large or binary; empty when it may be read.
    static QString unreadable(const QByteArray &bytes);
    // The reason given for a file above maxSize, which is not read at all.
    static QString tooLarge();
    // Whether the bytes claim to be a preset file rather than lines of text.
    static bool looksLikeJson(const QByteArray &bytes);
};

#endif // PRESETFILE_H
