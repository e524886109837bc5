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
