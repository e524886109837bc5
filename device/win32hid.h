#ifndef WIN32HID_H
#define WIN32HID_H

#include <cstdint>
#include <string>
#include <vector>

// The Windows calls of card detection, kept free of Qt so that they build and can be tried on their
// own. Window handles are passed as void *.
namespace win32hid {

struct HidIds
{
    unsigned short vendorId;
    unsigned short productId;
};

enum class DeviceChange { None, Arrival, Removal };

// Asks the system to send window the arrivals and removals of HID interfaces. Returns 0 on success,
// otherwise the system's error code.
unsigned long registerHidNotification(void *window);

// Walks the present HID interfaces and collects the ids of every one that can be opened, in walk
// order. The walk stops at an interface whose detail or attributes cannot be read. Returns false when
// the set of present HID devices cannot be obtained.
bool collectHidIds(std::vector<HidIds> *found);

// What a device-change message with these parameters tells about a device interface, and its name.
DeviceChange decodeDeviceChange(std::uintptr_t wParam, std::intptr_t lParam, std::wstring *name);

} // namespace win32hid

#endif
