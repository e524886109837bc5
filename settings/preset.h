#ifndef PRESET_H
#define PRESET_H

#include "equalizer.h"

#include <QString>

#include <array>

// A set of band values the user keeps under a name, beside the four styles.
struct Preset
{
    QString name;
    // 60 Hz .. 12 kHz in the card's units 0..maxValue.
    std::array<int, Equalizer::bandCount> bands{};
    QString note;

    static constexpr int maxValue = 43;

    // The slider's value as a gain: the scale runs -10..+10 dB over 0..43, so every value sits half a
    // step off 0 dB.
    static double decibels(int value) { return (value - 21.5) * 20.0 / 43.0; }
};

#endif // PRESET_H
