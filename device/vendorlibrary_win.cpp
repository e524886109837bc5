#include "vendorlibrary.h"

#include <windows.h>

std::u16string VendorLibrary::platformFileName()
{
    return u"DLL3S_UsbAudio16xx_x32.dll";
}

// The system's search order applies: the executable's folder first. Without the vendor's library the
// project's stand-in is taken where it is found; it serves virtual cards only and says so, so that a
// real card is then stated as one no library here can drive.
void *VendorLibrary::openLibrary(const std::u16string &fileName)
{
    HMODULE library = LoadLibraryW(reinterpret_cast<const wchar_t *>(fileName.c_str()));
    if (!library && fileName == platformFileName())
        library = LoadLibraryW(L"velora-vendorlib.dll");
    return library;
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
