#include "win32hid.h"

#include <windows.h>
#include <dbt.h>
#include <setupapi.h>
extern "C" {
#include <hidsdi.h>
}

static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) == 32, "the notification filter is 32 bytes");

namespace win32hid {

namespace {

// {4D1E55B2-F16F-11CF-88CB-001111000030}: the device-interface class of HID devices.
const GUID hidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

// Opens one interface of the set by its device path. Sets stop when its detail cannot be fetched;
// returns INVALID_HANDLE_VALUE when it cannot be opened (for instance when the system holds it).
HANDLE openInterface(HDEVINFO set, SP_DEVICE_INTERFACE_DATA *iface, bool *stop)
{
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(set, iface, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
        *stop = true;
        return INVALID_HANDLE_VALUE;
    }
    std::vector<unsigned char> block(size);
    auto *detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W *>(block.data());
    // The size of the fixed part only: 6 in a 32-bit process, 8 in a 64-bit one.
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!SetupDiGetDeviceInterfaceDetailW(set, iface, detail, size, nullptr, nullptr)) {
        *stop = true;
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(detail->DevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

unsigned long registerHidNotification(void *window)
{
    DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_reserved = 0;
    filter.dbcc_classguid = hidInterfaceClass;
    if (RegisterDeviceNotificationW(static_cast<HWND>(window), &filter, DEVICE_NOTIFY_WINDOW_HANDLE))
        return 0;
    const DWORD error = GetLastError();
    return error ? error : ERROR_GEN_FAILURE;
}

bool collectHidIds(std::vector<HidIds> *found)
{
    GUID hidGuid;
    HidD_GetHidGuid(&hidGuid);
    HDEVINFO set = SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE)
        return false;
    SP_DEVICE_INTERFACE_DATA iface = {};
    iface.cbSize = sizeof(iface);
    SetLastError(0);
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &hidGuid, index, &iface); ++index) {
        if (GetLastError() == ERROR_NO_MORE_ITEMS)
            break;
        bool stop = false;
        HANDLE device = openInterface(set, &iface, &stop);
        if (stop)
            break;
        if (device == INVALID_HANDLE_VALUE)
            continue;
        HIDD_ATTRIBUTES attributes = {};
        attributes.Size = sizeof(attributes);
        const bool readable = HidD_GetAttributes(device, &attributes);
        if (readable)
            found->push_back({attributes.VendorID, attributes.ProductID});
        CloseHandle(device);
        if (!readable)
            break;
        Sleep(5);
    }
    SetupDiDestroyDeviceInfoList(set);
    return true;
}

DeviceChange decodeDeviceChange(std::uintptr_t wParam, std::intptr_t lParam, std::wstring *name)
{
    if (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE)
        return DeviceChange::None;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(lParam);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE)
        return DeviceChange::None;
    *name = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W *>(lParam)->dbcc_name;
    return wParam == DBT_DEVICEARRIVAL ? DeviceChange::Arrival : DeviceChange::Removal;
}

} // namespace win32hid
