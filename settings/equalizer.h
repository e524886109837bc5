#ifndef EQUALIZER_H
#define EQUALIZER_H

#include <array>

// The equalizer's shape, written once for the store, the card model and the command line: five bands
// named by their frequency, and four styles.
namespace Equalizer {

constexpr int bandCount = 5;
constexpr int styleCount = 4;
// Band 0..4 in hertz: the store's keys ("60Hz", ...) and the command line's band names.
constexpr std::array<int, bandCount> bandHertz = {60, 300, 1200, 3600, 12000};

constexpr bool isBand(int index) { return index >= 0 && index < bandCount; }
constexpr bool isStyle(int index) { return index >= 0 && index < styleCount; }

} // namespace Equalizer

#endif // EQUALIZER_H
