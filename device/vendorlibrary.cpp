#include "vendorlibrary.h"

namespace {

const char *const entryNames[VendorLibrary::EntryCount] = {
#define VELORA_ENTRY_NAME(name, kind) "DLL3S_" #name,
    VELORA_VENDOR_ENTRY_POINTS(VELORA_ENTRY_NAME)
#undef VELORA_ENTRY_NAME
};

void *entries[VendorLibrary::EntryCount];
VendorCalls typedCalls;
bool loaded = false;
bool virtualCardsOnly = false;
std::u16string fileNameOverride;

template<typename Fn>
Fn entryAs(VendorLibrary::Entry entry)
{
    return reinterpret_cast<Fn>(entries[entry]);
}

void fillTypedCalls()
{
    typedCalls.getChipInformation = entryAs<DLL3S_GetChipInformation_t>(VendorLibrary::GetChipInformation);
    typedCalls.setGpioMode = entryAs<DLL3S_SetGpioMode_ById_t>(VendorLibrary::SetGpioMode_ById);
    typedCalls.configFastI2C = entryAs<DLL3S_Config_FastI2C_ById_t>(VendorLibrary::Config_FastI2C_ById);
    typedCalls.getGpioEx = entryAs<DLL3S_GetGpioEx_ById_t>(VendorLibrary::GetGpioEx_ById);
    typedCalls.setGpioEx = entryAs<DLL3S_SetGpioEx_ById_t>(VendorLibrary::SetGpioEx_ById);
    typedCalls.fastReadI2C = entryAs<DLL3S_Fast_ReadI2C_ById_t>(VendorLibrary::Fast_ReadI2C_ById);
    typedCalls.fastWriteI2C = entryAs<DLL3S_Fast_WriteI2C_ById_t>(VendorLibrary::Fast_WriteI2C_ById);
    typedCalls.releaseHidDevice = entryAs<DLL3S_ReleaseHidDevice_ById_t>(VendorLibrary::ReleaseHidDevice_ById);
}

} // namespace

int VendorLibrary::loadVendorLibrary(const std::u16string &fileName)
{
    loaded = false;
    void *library = openLibrary(fileName);
    if (!library)
        return 1;
    virtualCardsOnly = resolve(library, virtualCardsOnlyMarker) != nullptr;
    for (int i = 0; i < EntryCount; ++i) {
        entries[i] = resolve(library, entryNames[i]);
        if (!entries[i]) {
            debugOutput("***** " + entryName(i) + " *****\n");
            return 2 + i;
        }
    }
    fillTypedCalls();
    loaded = true;
    return 0;
}

std::u16string VendorLibrary::fileName()
{
    return fileNameOverride.empty() ? platformFileName() : fileNameOverride;
}

void VendorLibrary::setFileName(const std::u16string &fileName)
{
    fileNameOverride = fileName;
}

const VendorCalls *VendorLibrary::calls()
{
    return loaded ? &typedCalls : nullptr;
}

bool VendorLibrary::servesRealCards()
{
    return loadVendorLibrary(fileName()) == 0 && !virtualCardsOnly;
}

std::string VendorLibrary::entryName(int entry)
{
    return entryNames[entry];
}
