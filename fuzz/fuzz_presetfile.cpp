// The preset readers on any bytes: a preset file or a GraphicEQ line read from them has five bands in
// the card's range and a name, a preset written again reads back the same, and nothing else is taken.

#include "fuzzcheck.h"
#include "settings/equalizerlines.h"
#include "settings/presetfile.h"

#include <cstddef>
#include <cstdint>

namespace {

bool inRange(const std::array<int, Equalizer::bandCount> &bands)
{
    for (int value : bands) {
        if (value < 0 || value > Preset::maxValue)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    Preset preset;
    QString why;
    if (PresetFile::read(bytes, &preset, &why)) {
        FUZZ_CHECK(inRange(preset.bands) && !preset.name.trimmed().isEmpty() && why.isEmpty());
        Preset again;
        FUZZ_CHECK(PresetFile::read(PresetFile::write(preset), &again, &why));
        FUZZ_CHECK(again.name == preset.name && again.bands == preset.bands && again.note == preset.note);
    } else {
        FUZZ_CHECK(!why.isEmpty());
    }
    EqualizerLines::Result sampled;
    if (EqualizerLines::read(bytes, &sampled, &why))
        FUZZ_CHECK(inRange(sampled.bands));
    else
        FUZZ_CHECK(!why.isEmpty());
    return 0;
}
