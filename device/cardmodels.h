#ifndef CARDMODELS_H
#define CARDMODELS_H

#include "virtualbus.h"

#include <QString>

#include <array>

// The card models the program knows, written once for detection, the model, the command line and the
// virtual card: each one's name, USB ids, factory band values (60 Hz .. 12 kHz, the card's units) and
// the picture the page shows for it (an image's base name in the skin's folder).
struct CardModel
{
    const char *name;
    int vendorId;
    int productId;
    std::array<unsigned char, 5> factoryBands;
    const char *picture;
};

namespace CardModels {

// In the order detection tries them.
constexpr std::array<CardModel, 2> table = {{
    {"zq05", VirtualBus::vendorId, 0x1000, {0x21, 0x1D, 0x23, 0x1C, 0x11}, "zq05"},
    {"zq06", VirtualBus::vendorId, 0x1001, {0x2B, 0x2A, 0x24, 0x27, 0x26}, "zq06"},
}};

// The model of this name, or null.
inline const CardModel *byName(const QString &name)
{
    for (const CardModel &model : table) {
        if (name == QLatin1String(model.name))
            return &model;
    }
    return nullptr;
}

// The model with this USB product id, or null.
inline const CardModel *byProductId(int pid)
{
    for (const CardModel &model : table) {
        if (model.productId == pid)
            return &model;
    }
    return nullptr;
}

// The first model whose "VID_xxxx&PID_xxxx" a device text carries, in any case; null for none.
inline const CardModel *inDeviceText(const QString &text)
{
    for (const CardModel &model : table) {
        if (text.contains(VirtualBus::idText(model.vendorId, model.productId), Qt::CaseInsensitive))
            return &model;
    }
    return nullptr;
}

} // namespace CardModels

#endif // CARDMODELS_H
