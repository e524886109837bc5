// A test fixture for the binding: a Windows DLL with the vendor library's file name and C entry
// points, built without Qt. The eight entry points the program calls find no card and say so; every
// other one answers with the stand-in's fixed code. It lets the binding be loaded and exercised
// against a real DLL, complete or lacking one entry point. It is never shipped; the program's own
// stand-in for Windows is velora-vendorlib.dll, built from vendorstandin.cpp.

#include "device/vendorentrypoints.h"
#include "virtualcard/cardcodes.h"

#define STANDIN_ANSWER_called CardProtocol::NoCard
#define STANDIN_ANSWER_unused CardProtocol::NotServed
// Each entry point takes whatever it is given: the caller cleans the stack, so any argument list fits.
#define STANDIN_ENTRY(name, kind) \
    extern "C" __declspec(dllexport) int DLL3S_##name(...) { return STANDIN_ANSWER_##kind; }
VELORA_VENDOR_ENTRY_POINTS(STANDIN_ENTRY)
