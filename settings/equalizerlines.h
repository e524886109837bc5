#ifndef EQUALIZERLINES_H
#define EQUALIZERLINES_H

#include "preset.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QVector>

// The text line that system-wide equalizers read and that headphone corrections are published in:
//   GraphicEQ: 20 -3.1; 21 -3.0; ...; 19871 -8.2
// frequency in hertz and gain in dB, frequencies rising. Blank lines and lines starting with '#' are
// skipped; anything else is refused rather than half understood. The curve is sampled at the card's
// five bands on a log-frequency axis (held flat beyond its ends) and snapped to the nearest step.
class EqualizerLines
{
    Q_DECLARE_TR_FUNCTIONS(EqualizerLines)
public:
    struct Result
    {
        std::array<int, Equalizer::bandCount> bands{};
        // Which bands lay beyond the card's -10..+10 dB and by how much; empty when none did.
        QString clamped;
    };

    static constexpr double rangeDecibels = 10.0;

    // False with the reason in `why` for anything that is not such a line.
    static bool read(const QByteArray &bytes, Result *result, QString *why);

private:
    struct Point
    {
        double hertz;
        double gain;
    };
    static bool readPoints(const QString &list, QVector<Point> *points, QString *why);
    static double gainAt(const QVector<Point> &points, double hertz);
};

#endif // EQUALIZERLINES_H
