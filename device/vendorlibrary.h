#ifndef VENDORLIBRARY_H
#define VENDORLIBRARY_H

#include "vendorapi.h"
#include "vendorentrypoints.h"

#include <string>

// The eight entry points the transfer layer calls, typed.
struct VendorCalls
{
    DLL3S_GetChipInformation_t getChipInformation;
    DLL3S_SetGpioMode_ById_t setGpioMode;
    DLL3S_Config_FastI2C_ById_t configFastI2C;
    DLL3S_GetGpioEx_ById_t getGpioEx;
    DLL3S_SetGpioEx_ById_t setGpioEx;
    DLL3S_Fast_ReadI2C_ById_t fastReadI2C;
    DLL3S_Fast_WriteI2C_ById_t fastWriteI2C;
    DLL3S_ReleaseHidDevice_ById_t releaseHidDevice;
};

// The process-wide binding to the chip vendor's control library: one table of all its entry points.
// Plain C++ without Qt, so that the Windows side can be built and tried on its own.
class VendorLibrary
{
public:
    enum Entry {
#define VELORA_ENTRY_ENUM(name, kind) name,
        VELORA_VENDOR_ENTRY_POINTS(VELORA_ENTRY_ENUM)
#undef VELORA_ENTRY_ENUM
        EntryCount
    };

    // Loads the library and resolves every entry point in table order. Returns 0 on success, 1 when the
    // library cannot be loaded, and 1 + the position of the first missing name (2 for the first entry).
    static int loadVendorLibrary(const std::u16string &fileName);

    // The library the program loads: the vendor's on Windows, the project's stand-in elsewhere.
    static std::u16string fileName();
    // Replaces that name for the rest of the process (tests: a missing or damaged library).
    static void setFileName(const std::u16string &fileName);

    // The called entry points once the last load succeeded; null otherwise, so nothing is ever
    // called through a table that was not filled completely.
    static const VendorCalls *calls();

    // Loads the library anew and tells whether it can drive a real card: false when it does not load
    // completely, or when it is the stand-in, which serves only virtual cards.
    static bool servesRealCards();

    // "DLL3S_" + the entry's name.
    static std::string entryName(int entry);

private:
    static std::u16string platformFileName();
    static void *openLibrary(const std::u16string &fileName);
    static void *resolve(void *library, const char *name);
    static void debugOutput(const std::string &line);
};

#endif // VENDORLIBRARY_H
