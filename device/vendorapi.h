#ifndef VENDORAPI_H
#define VENDORAPI_H

// C signatures of the eight vendor library entry points the program calls. Every result is 0 on
// success and otherwise an error code that is shown to the user. Shared by the binding and by the
// stand-in library, so that both sides agree on every argument. The fixed arguments' meaning lies inside
// the vendor library; the program always passes the same values.

#include <cstdint>

// Exported by the project's stand-in library alone: it serves virtual cards and no real one. A library
// without this name is taken to serve real cards.
constexpr char virtualCardsOnlyMarker[] = "Velora_ServesVirtualCardsOnly";

extern "C" {
typedef int (*DLL3S_GetChipInformation_t)(std::uint16_t vid, std::uint16_t pid, unsigned char *info4,
                                            unsigned char *infoA, unsigned char *infoB);
typedef int (*DLL3S_SetGpioMode_ById_t)(std::uint16_t vid, std::uint16_t pid, unsigned char *modes,
                                          int count, int flag);
typedef int (*DLL3S_Config_FastI2C_ById_t)(std::uint16_t vid, std::uint16_t pid, int flag);
typedef int (*DLL3S_GetGpioEx_ById_t)(std::uint16_t vid, std::uint16_t pid, int gpio, unsigned char *value,
                                        int flag);
typedef int (*DLL3S_SetGpioEx_ById_t)(std::uint16_t vid, std::uint16_t pid, int gpio, int value, int flag);
typedef int (*DLL3S_Fast_ReadI2C_ById_t)(std::uint16_t vid, std::uint16_t pid, int slave, int reg, int fixedA,
                                           unsigned char *buffer, int length, int timeout, int fixedB, int fixedC);
typedef int (*DLL3S_Fast_WriteI2C_ById_t)(std::uint16_t vid, std::uint16_t pid, int slave, int reg,
                                            int fixedA, unsigned char *data, int length, int timeout,
                                            int fixedB, int fixedC);
typedef int (*DLL3S_ReleaseHidDevice_ById_t)(std::uint16_t vid, std::uint16_t pid, int flag);
}

#endif // VENDORAPI_H
