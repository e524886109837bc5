#include "detectiondevice.h"

#include "virtualbus.h"
#include "virtualbuswatcher.h"
#include "win32hid.h"

#include <QDebug>

#include <windows.h>

// Two sources feed the detector here: real cards, found by the HID scan and followed through the
// device messages that a hidden message-only window receives (the notification registration lives as
// long as that window; Qt's event loop dispatches its messages), and the virtual cards on the local bus.
struct DetectionDevice::PlatformWatch
{
    VirtualBusWatcher *bus = nullptr;
    HWND messageWindow = nullptr;

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static const wchar_t *windowClass();
};

const wchar_t *DetectionDevice::PlatformWatch::windowClass()
{
    static const wchar_t *name = [] {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &PlatformWatch::windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VeloraDeviceMessages";
        RegisterClassW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

LRESULT CALLBACK DetectionDevice::PlatformWatch::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *detector = reinterpret_cast<DetectionDevice *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!detector || message != WM_DEVICECHANGE)
        return DefWindowProcW(window, message, wParam, lParam);
    std::wstring name;
    const win32hid::DeviceChange change = win32hid::decodeDeviceChange(wParam, lParam, &name);
    if (change == win32hid::DeviceChange::Arrival)
        detector->interfaceArrived(QString::fromStdWString(name));
    else if (change == win32hid::DeviceChange::Removal)
        detector->interfaceRemoved(QString::fromStdWString(name));
    return TRUE;
}

DetectionDevice::~DetectionDevice()
{
    if (m_watch->messageWindow)
        DestroyWindow(m_watch->messageWindow);
    delete m_watch;
}

void DetectionDevice::startPlatformWatch()
{
    m_watch = new PlatformWatch;
    m_watch->bus = new VirtualBusWatcher(this);
    connect(m_watch->bus, &VirtualBusWatcher::cardArrived, this, &DetectionDevice::interfaceArrived);
    connect(m_watch->bus, &VirtualBusWatcher::cardRemoved, this, &DetectionDevice::interfaceRemoved);
    m_watch->messageWindow = CreateWindowExW(0, PlatformWatch::windowClass(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                             nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_watch->messageWindow) {
        qDebug() << "register UDisk notification fail, error:" << GetLastError();
        return;
    }
    SetWindowLongPtrW(m_watch->messageWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const unsigned long error = win32hid::registerHidNotification(m_watch->messageWindow);
    if (error)
        qDebug() << "register UDisk notification fail, error:" << error;
}

void DetectionDevice::scanHidDevices()
{
    std::vector<win32hid::HidIds> found;
    if (win32hid::collectHidIds(&found)) {
        for (const win32hid::HidIds &ids : found)
            interfaceArrived(vendorProductKey(ids.vendorId, ids.productId));
    } else {
        qDebug() << "NO hid device";
    }
    m_watch->bus->scan();
}

// A card on the virtual bus is served by the stand-in library; a real one by the vendor's library
// alone, which may be missing. With no card reported there is nothing to refuse: a command says
// that no card was found.
DetectionDevice::CardAccess DetectionDevice::reportedCardAccess(QString *why) const
{
    if (m_reported.isEmpty() || VirtualBus::isDeviceText(m_reported))
        return CardUsable;
    return libraryAccess(why);
}
