// Tries the detection's Windows calls for real: built with the MinGW-w64 cross compiler and run under
// wine64 by scripts/test-win32.sh. Exit code: the number of failures.
#include "device/win32hid.h"

#include <windows.h>
#include <dbt.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <vector>

namespace {

int g_failures = 0;

void check(bool ok, const char *what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    if (!ok)
        ++g_failures;
}

// A device-interface broadcast as the system sends it, with room for the name after the header.
std::vector<unsigned char> interfaceBroadcast(DWORD deviceType, const wchar_t *name)
{
    const size_t nameBytes = (std::wcslen(name) + 1) * sizeof(wchar_t);
    std::vector<unsigned char> block(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + nameBytes);
    auto *broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W *>(block.data());
    broadcast->dbcc_size = DWORD(block.size());
    broadcast->dbcc_devicetype = deviceType;
    std::memcpy(broadcast->dbcc_name, name, nameBytes);
    return block;
}

void decodesDeviceChanges()
{
    const wchar_t *path = L"\\\\?\\HID#VID_0C76&PID_1001&MI_03#7&2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    std::vector<unsigned char> card = interfaceBroadcast(DBT_DEVTYP_DEVICEINTERFACE, path);
    const auto lParam = reinterpret_cast<std::intptr_t>(card.data());
    std::wstring name;
    check(win32hid::decodeDeviceChange(DBT_DEVICEARRIVAL, lParam, &name) == win32hid::DeviceChange::Arrival
              && name == path,
          "an interface arrival carries its name");
    name.clear();
    check(win32hid::decodeDeviceChange(DBT_DEVICEREMOVECOMPLETE, lParam, &name) == win32hid::DeviceChange::Removal
              && name == path,
          "an interface removal carries its name");
    check(win32hid::decodeDeviceChange(DBT_DEVICEQUERYREMOVE, lParam, &name) == win32hid::DeviceChange::None,
          "other device-change events are nothing");
    std::vector<unsigned char> volume = interfaceBroadcast(DBT_DEVTYP_VOLUME, L"");
    check(win32hid::decodeDeviceChange(DBT_DEVICEARRIVAL, reinterpret_cast<std::intptr_t>(volume.data()), &name)
              == win32hid::DeviceChange::None,
          "arrivals of other device types are nothing");
    check(win32hid::decodeDeviceChange(DBT_DEVNODES_CHANGED, 0, &name) == win32hid::DeviceChange::None,
          "a change without a broadcast is nothing");
}

void namesPowerMessages()
{
    auto is = [](const char *line, const char *expected) {
        return line && expected && std::strcmp(line, expected) == 0;
    };
    check(is(win32hid::powerLogLine(WM_QUERYENDSESSION, 0), "======system poweroff,reboot or logoff======"),
          "session end");
    check(is(win32hid::powerLogLine(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND), "======xiu mian======"),
          "sleep query");
    check(is(win32hid::powerLogLine(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC), "======huan xing======"), "wake");
    check(!win32hid::powerLogLine(WM_POWERBROADCAST, PBT_APMSUSPEND), "suspend itself is not the detector's line");
    check(!win32hid::powerLogLine(WM_DEVICECHANGE, PBT_APMQUERYSUSPEND), "other messages have no line");
}

void registersAndScans()
{
    WNDCLASSW type = {};
    type.lpfnWndProc = DefWindowProcW;
    type.lpszClassName = L"veloraDetectorTest";
    RegisterClassW(&type);
    HWND window = CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    check(window != nullptr, "a native window to register");
    check(win32hid::registerHidNotification(window) == 0, "the HID notification filter is accepted");
    check(win32hid::registerHidNotification(nullptr) != 0, "a missing window is refused with an error code");
    DestroyWindow(window);

    std::vector<win32hid::HidIds> found;
    check(win32hid::collectHidIds(&found), "the set of present HID devices is obtained");
    std::printf("HID interfaces found: %u\n", unsigned(found.size()));
}

} // namespace

int main()
{
    decodesDeviceChanges();
    namesPowerMessages();
    registersAndScans();
    return g_failures;
}
