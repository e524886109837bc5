// The stand-in vendor library built as a Windows DLL under the vendor library's file name, with the
// same C entry points. Windows has no virtual bus, so the eight entry points the program calls find
// no card and say so; every other one answers with the fixed code of the Linux stand-in. It lets the
// program's binding be loaded and exercised against a real DLL.

#include "device/vendorentrypoints.h"
#include "virtualcard/cardcodes.h"

#define STANDIN_ANSWER_called CardProtocol::NoCard
#define STANDIN_ANSWER_unused CardProtocol::NotServed
// Each entry point takes whatever it is given: the caller cleans the stack, so any argument list fits.
#define STANDIN_ENTRY(name, kind) \
    extern "C" __declspec(dllexport) int DLL3S_##name(...) { return STANDIN_ANSWER_##kind; }
VELORA_VENDOR_ENTRY_POINTS(STANDIN_ENTRY)
