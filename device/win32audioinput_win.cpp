#include "win32audioinput.h"

#include <windows.h>
#include <devicetopology.h>
#include <mmdeviceapi.h>
#include <propidl.h>

#include <cwchar>
#include <cwctype>

namespace win32audio {

namespace {

// Defined here rather than taken from the SDK's key headers, which need a GUID library to link.
const PROPERTYKEY kFriendlyName = {{0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};
// The device instance an endpoint was made for, which the endpoint keeps among its properties.
const PROPERTYKEY kEndpointDeviceInstance = {{0xb3f8fa53, 0x0004, 0x438e, {0x90, 0x03, 0x51, 0xa4, 0x6e, 0x13, 0x9b, 0xfc}}, 2};
const PROPERTYKEY kDeviceInstanceId = {{0x78c34fc8, 0x104a, 0x4aca, {0x9e, 0xa4, 0x52, 0x4d, 0x52, 0x99, 0x6e, 0x57}}, 256};

template <typename T> struct Com
{
    T *p = nullptr;
    ~Com()
    {
        if (p)
            p->Release();
    }
    T **out() { return &p; }
    T *operator->() const { return p; }
};

std::wstring stringProperty(IPropertyStore *store, const PROPERTYKEY &key)
{
    PROPVARIANT value;
    PropVariantInit(&value);
    std::wstring text;
    if (SUCCEEDED(store->GetValue(key, &value)) && value.vt == VT_LPWSTR && value.pwszVal)
        text = value.pwszVal;
    PropVariantClear(&value);
    return text;
}

// The id of the device that the endpoint's first connector is wired to: its kernel-streaming filter,
// whose interface path holds the USB ids.
std::wstring connectedDevice(IMMDevice *device)
{
    Com<IDeviceTopology> topology;
    if (FAILED(device->Activate(__uuidof(IDeviceTopology), CLSCTX_ALL, nullptr, reinterpret_cast<void **>(topology.out()))))
        return std::wstring();
    Com<IConnector> connector;
    if (FAILED(topology->GetConnector(0, connector.out())))
        return std::wstring();
    LPWSTR id = nullptr;
    std::wstring text;
    if (SUCCEEDED(connector->GetDeviceIdConnectedTo(&id)) && id)
        text = id;
    CoTaskMemFree(id);
    return text;
}

CaptureEndpoint describe(IMMDevice *device)
{
    CaptureEndpoint endpoint;
    LPWSTR id = nullptr;
    if (SUCCEEDED(device->GetId(&id)) && id)
        endpoint.id = id;
    CoTaskMemFree(id);
    const std::wstring connected = connectedDevice(device);
    if (!connected.empty())
        endpoint.devicePaths.push_back(connected);
    Com<IPropertyStore> store;
    if (SUCCEEDED(device->OpenPropertyStore(STGM_READ, store.out()))) {
        endpoint.name = stringProperty(store.p, kFriendlyName);
        for (const PROPERTYKEY &key : {kEndpointDeviceInstance, kDeviceInstanceId}) {
            const std::wstring path = stringProperty(store.p, key);
            if (!path.empty())
                endpoint.devicePaths.push_back(path);
        }
    }
    return endpoint;
}

bool isHexDigit(wchar_t c)
{
    return std::iswxdigit(c) != 0;
}

} // namespace

bool listCaptureEndpoints(std::vector<CaptureEndpoint> *endpoints)
{
    // The GUI thread already runs COM in a single-threaded apartment: that serves as it is.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(init) && init != RPC_E_CHANGED_MODE)
        return false;
    bool listed = false;
    {
        Com<IMMDeviceEnumerator> enumerator;
        Com<IMMDeviceCollection> collection;
        UINT count = 0;
        if (SUCCEEDED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL, __uuidof(IMMDeviceEnumerator),
                                       reinterpret_cast<void **>(enumerator.out())))
            && SUCCEEDED(enumerator->EnumAudioEndpoints(eCapture, DEVICE_STATE_ACTIVE, collection.out()))
            && SUCCEEDED(collection->GetCount(&count))) {
            listed = true;
            for (UINT i = 0; i < count; ++i) {
                Com<IMMDevice> device;
                if (SUCCEEDED(collection->Item(i, device.out())))
                    endpoints->push_back(describe(device.p));
            }
        }
    }
    if (SUCCEEDED(init))
        CoUninitialize();
    return listed;
}

int findUsbEndpoint(const std::vector<CaptureEndpoint> &endpoints, unsigned short vendorId, unsigned short productId)
{
    wchar_t needle[32];
    std::swprintf(needle, 32, L"VID_%04X&PID_%04X", vendorId, productId);
    const size_t needleLength = std::wcslen(needle);
    for (size_t i = 0; i < endpoints.size(); ++i) {
        for (std::wstring path : endpoints[i].devicePaths) {
            for (wchar_t &c : path)
                c = wchar_t(std::towupper(c));
            // "PID_1000" must not match the start of a longer number.
            for (size_t at = path.find(needle); at != std::wstring::npos; at = path.find(needle, at + 1)) {
                const size_t end = at + needleLength;
                if (end == path.size() || !isHexDigit(path[end]))
                    return int(i);
            }
        }
    }
    return -1;
}

} // namespace win32audio
