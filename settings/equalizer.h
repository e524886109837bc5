#ifndef EQUALIZER_H
#define EQUALIZER_H

#include <QString>

#include <array>

// The equalizer's shape, written once for the store, the card model and the command line: five bands
// named by their frequency, and four styles.
namespace Equalizer {

constexpr int bandCount = 5;
constexpr int styleCount = 4;
// Band 0..4 in hertz: the store's keys ("60Hz", ...) and the command line's band names.
constexpr std::array<int, bandCount> bandHertz = {60, 300, 1200, 3600, 12000};

// Band 0..4 in the card model's values ("eQ60", ...).
inline QString bandKey(int index) { return QStringLiteral("eQ%1").arg(bandHertz[index]); }
// Band 0..4 as the page names it under its slider ("60Hz", "1.2KHz", ...).
inline QString bandCaption(int index)
{
    const int hertz = bandHertz[index];
    return hertz < 1000 ? QStringLiteral("%1Hz").arg(hertz) : QStringLiteral("%1KHz").arg(hertz / 1000.0);
}

constexpr bool isBand(int index) { return index >= 0 && index < bandCount; }
constexpr bool isStyle(int index) { return index >= 0 && index < styleCount; }

} // namespace Equalizer

#endif // EQUALIZER_H
