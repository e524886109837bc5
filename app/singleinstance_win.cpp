#include "singleinstance.h"

#include <windows.h>

namespace {

// Sends the activation request to the first copy's window, if that handle still names a window.
void sendActivation(HWND window, ULONG_PTR tag)
{
    if (!IsWindow(window))
        return;
    qint32 value = 1;
    COPYDATASTRUCT data;
    data.dwData = tag;
    data.cbData = sizeof value;
    data.lpData = &value;
    SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
}

} // namespace

void SingleInstance::clearStaleSegment()
{
    // The system removes the segment with the last process holding it: nothing outlives a crash.
}

void SingleInstance::requestActivation(quint32 handle)
{
    sendActivation(reinterpret_cast<HWND>(quintptr(handle)), activationTag);
}

void SingleInstance::listen()
{
    // Requests arrive as window messages to the main window itself.
}
