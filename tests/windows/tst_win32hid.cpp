// Card detection's Win32 side: the interface notification, the walk over present HID interfaces and
// the decoding of the messages the detector's window receives.
#include "device/win32hid.h"
#include "wintest.h"

#include <dbt.h>
#include <setupapi.h>

#include <cstring>
#include <vector>

// The layouts the system expects, in both word sizes (the 32-bit build checks its own).
static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) == 32, "notification filter size");
static_assert(sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) == (sizeof(void *) == 8 ? 8 : 6),
              "fixed part of the interface detail");

using win32hid::DeviceChange;

namespace {

const GUID kHidClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

HWND createMessageOnlyWindow()
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VeloraDetectionTest";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

// The number of HID interfaces the system lists as present, counted without the code under test.
int presentHidInterfaces()
{
    HDEVINFO set = SetupDiGetClassDevsW(&kHidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE)
        return -1;
    SP_DEVICE_INTERFACE_DATA iface = {};
    iface.cbSize = sizeof iface;
    int count = 0;
    while (SetupDiEnumDeviceInterfaces(set, nullptr, &kHidClass, DWORD(count), &iface))
        ++count;
    SetupDiDestroyDeviceInfoList(set);
    return count;
}

// A device-interface broadcast as the system sends it, with the name stored after the header.
struct Broadcast
{
    explicit Broadcast(DWORD deviceType, const wchar_t *name)
        : bytes(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + std::wcslen(name) * sizeof(wchar_t))
    {
        auto *b = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W *>(bytes.data());
        b->dbcc_size = DWORD(bytes.size());
        b->dbcc_devicetype = deviceType;
        b->dbcc_classguid = kHidClass;
        std::memcpy(b->dbcc_name, name, (std::wcslen(name) + 1) * sizeof(wchar_t));
    }
    std::intptr_t lParam() { return reinterpret_cast<std::intptr_t>(bytes.data()); }
    std::vector<unsigned char> bytes;
};

} // namespace

WT_CASE(notificationRegistersOnAMessageOnlyWindow)
{
    HWND window = createMessageOnlyWindow();
    WT_CHECK(window != nullptr);
    WT_COMPARE(win32hid::registerHidNotification(window), 0ul);
    DestroyWindow(window);
    // The refusal carries the system's reason, which the detector logs.
    WT_CHECK(win32hid::registerHidNotification(nullptr) != 0);
}

// The walk reaches every present interface that opens: a wrong detail size or a walk that stops too
// early finds fewer. wine lists its own virtual HID devices.
WT_CASE(scanReadsTheAttributesOfEveryPresentInterface)
{
    const int present = presentHidInterfaces();
    if (present <= 0)
        WT_SKIP("the system lists no HID interfaces here");
    std::vector<win32hid::HidIds> found;
    WT_CHECK(win32hid::collectHidIds(&found));
    WT_COMPARE(int(found.size()), present);
}

WT_CASE(deviceChangesDecodeToArrivalsAndRemovals)
{
    const wchar_t *path = L"\\\\?\\hid#vid_0c76&pid_1001&mi_03#7&1a2b&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    Broadcast iface(DBT_DEVTYP_DEVICEINTERFACE, path);
    Broadcast volume(DBT_DEVTYP_VOLUME, L"");
    struct Row
    {
        const char *what;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        DeviceChange expected;
    };
    const Row rows[] = {
        {"interface arrival", 0x8000, iface.lParam(), DeviceChange::Arrival},
        {"interface removal", 0x8004, iface.lParam(), DeviceChange::Removal},
        {"volume arrival", 0x8000, volume.lParam(), DeviceChange::None},
        {"arrival without a header", 0x8000, 0, DeviceChange::None},
        {"query remove", DBT_DEVICEQUERYREMOVE, iface.lParam(), DeviceChange::None},
        {"remove pending", DBT_DEVICEREMOVEPENDING, iface.lParam(), DeviceChange::None},
        {"device nodes changed", DBT_DEVNODES_CHANGED, 0, DeviceChange::None},
    };
    for (const Row &row : rows) {
        std::wstring name;
        const DeviceChange got = win32hid::decodeDeviceChange(row.wParam, row.lParam, &name);
        if (got != row.expected)
            wintest::fail(__FILE__, __LINE__, std::string("wrong change for ") + row.what);
        if (got != DeviceChange::None && name != path)
            wintest::fail(__FILE__, __LINE__, std::string("wrong interface name for ") + row.what);
    }
}

