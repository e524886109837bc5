#include "vendorlibrary.h"

#include <windows.h>

std::u16string VendorLibrary::platformFileName()
{
    return u"DLL3S_UsbAudio16xx_x32.dll";
}

// The system's search order applies: the executable's folder first.
void *VendorLibrary::openLibrary(const std::u16string &fileName)
{
    return LoadLibraryW(reinterpret_cast<const wchar_t *>(fileName.c_str()));
}

void *VendorLibrary::resolve(void *library, const char *name)
{
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void VendorLibrary::debugOutput(const std::string &line)
{
    const std::wstring wide(line.begin(), line.end()); // entry names are plain ASCII
    OutputDebugStringW(wide.c_str());
}
