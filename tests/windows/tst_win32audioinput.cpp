// Finding a card's capture endpoint: the matching on made-up endpoint lists, and the system's own
// list as wine gives it.
#include "device/win32audioinput.h"
#include "wintest.h"

#include <objbase.h>

using win32audio::CaptureEndpoint;

namespace {

// A desktop with an on-board microphone, a zq06 and a zq05, their device paths in the forms the
// system gives: the connector's interface path in lower case, the kept device instance in upper case.
std::vector<CaptureEndpoint> desktop()
{
    return {
        {L"{0.0.1.00000000}.{a1}", L"Microphone (Realtek(R) Audio)",
         {L"{2}.\\\\?\\hdaudio#func_01&ven_10ec&dev_0256&subsys_10280a20#4&2f1b&0&0001#{6994ad04-93ef-11d0-a3cc-00a0c9223196}\\microphone"}},
        {L"{0.0.1.00000000}.{b2}", L"Microphone (zq06 USB Audio)",
         {L"{2}.\\\\?\\usb#vid_0c76&pid_1001&mi_00#7&11&0&0000#{6994ad04-93ef-11d0-a3cc-00a0c9223196}\\global"}},
        {L"{0.0.1.00000000}.{c3}", L"Microphone (zq05 USB Audio)",
         {L"", L"{1}.USB\\VID_0C76&PID_1000&MI_00\\7&22&0&0000"}},
    };
}

} // namespace

WT_CASE(theCardsEndpointIsFoundByItsUsbIds)
{
    const std::vector<CaptureEndpoint> endpoints = desktop();
    WT_COMPARE(win32audio::findUsbEndpoint(endpoints, 0x0C76, 0x1000), 2);
    WT_COMPARE(win32audio::findUsbEndpoint(endpoints, 0x0C76, 0x1001), 1);
    // The card's input missing: its playback endpoint is not listed among capture endpoints.
    WT_COMPARE(win32audio::findUsbEndpoint({endpoints[0], endpoints[1]}, 0x0C76, 0x1000), -1);
    WT_COMPARE(win32audio::findUsbEndpoint({}, 0x0C76, 0x1000), -1);
    // Another vendor's product with the same number, and a longer number that starts alike.
    const std::vector<CaptureEndpoint> others = {
        {L"x", L"other", {L"{1}.USB\\VID_0C77&PID_1000\\5&1"}},
        {L"y", L"longer", {L"{1}.USB\\VID_0C76&PID_10001\\5&1"}},
    };
    WT_COMPARE(win32audio::findUsbEndpoint(others, 0x0C76, 0x1000), -1);
}

// The program calls this on its GUI thread, where COM already runs in a single-threaded apartment;
// the call must work there and leave that apartment as it was.
WT_CASE(theSystemsEndpointsAreListedInTheCallersApartment)
{
    WT_COMPARE(long(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), long(S_OK));
    std::vector<CaptureEndpoint> endpoints;
    WT_CHECK(win32audio::listCaptureEndpoints(&endpoints));
    for (const CaptureEndpoint &endpoint : endpoints)
        WT_CHECK(!endpoint.id.empty());
    // Still the caller's apartment: initialising it again only counts up.
    WT_COMPARE(long(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), long(S_FALSE));
    CoUninitialize();
    CoUninitialize();

    // And on a thread without COM, which the call initialises and leaves clean.
    std::vector<CaptureEndpoint> again;
    WT_CHECK(win32audio::listCaptureEndpoints(&again));
    WT_COMPARE(again.size(), endpoints.size());
    WT_COMPARE(long(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)), long(S_OK));
    CoUninitialize();
}
