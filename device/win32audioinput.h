#ifndef WIN32AUDIOINPUT_H
#define WIN32AUDIOINPUT_H

#include <string>
#include <vector>

// The Windows side of finding a card's audio input, kept free of Qt so that it builds and can be
// tried on its own: the system's capture endpoints, and which of them belongs to a USB device.
namespace win32audio {

struct CaptureEndpoint
{
    std::wstring id;   // the endpoint's id, as the system's audio interfaces know it
    std::wstring name; // its friendly name, "Microphone (...)"
    // What names the device behind the endpoint: the device its connector leads to
    // ("{2}.\\?\usb#vid_0c76&pid_1000&mi_00#..."), and the device instance the endpoint keeps
    // ("{1}.USB\VID_0C76&PID_1000&MI_00\..."), where the system gives them.
    std::vector<std::wstring> devicePaths;
};

// Fills endpoints with the active capture endpoints, in the system's order. Returns false when they
// cannot be listed (no audio service, or COM refused on this thread).
bool listCaptureEndpoints(std::vector<CaptureEndpoint> *endpoints);

// The first endpoint whose device path names this USB vendor and product ("VID_0C76&PID_1000", in
// any case); -1 when none.
int findUsbEndpoint(const std::vector<CaptureEndpoint> &endpoints, unsigned short vendorId, unsigned short productId);

} // namespace win32audio

#endif
