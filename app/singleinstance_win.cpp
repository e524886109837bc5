#include "singleinstance.h"

#include "win32shell.h"

void SingleInstance::clearStaleSegment()
{
    // The system removes the segment with the last process holding it: nothing outlives a crash.
}

void SingleInstance::requestActivation(quint32 handle)
{
    win32shell::sendActivation(win32shell::windowFromStoredHandle(handle), activationTag);
}

void SingleInstance::listen()
{
    // Requests arrive as window messages to the main window itself.
}

SingleInstance::Delivery SingleInstance::sendCommand(const QString &, const QByteArray &, QByteArray *, int)
{
    // Commands do not travel to a window here yet: the command runs against the card itself.
    return Delivery::NoWindow;
}
