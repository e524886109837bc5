// The least a microphone-mute toggle can do: a QCoreApplication, the card library loaded, the
// parameter block read, the mute flipped and the block written back, through the same transfer
// layer and so with the same library calls as the program's own toggle.
#include "device/cardmodels.h"
#include "device/communication.h"
#include "device/parameterblock.h"
#include "device/vendorlibrary.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // This program lies elsewhere than the library's usual places beside the program.
    VendorLibrary::setFileName(QStringLiteral(VELORA_VENDOR_LIBRARY).toStdU16String());
    const CardModel &zq05 = CardModels::table[0];
    Communication transfer;
    unsigned char bytes[8] = {};
    if (!transfer.init(zq05.vendorId, zq05.productId) || !transfer.readData(bytes))
        return 1;
    ParameterBlock &block = ParameterBlock::instance();
    block.fromBytes(bytes);
    block.micMute = block.micMute ? 0 : 1;
    return transfer.writeData() ? 0 : 1;
}
