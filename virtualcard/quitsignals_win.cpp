#include "quitsignals.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <windows.h>

namespace {

QCoreApplication *running = nullptr;

// Runs on a thread of the system's; the quit is queued to the card's own thread. The process ends
// once the handler returns for a closing console, so that case waits a little for the event loop.
BOOL WINAPI onControl(DWORD)
{
    QMetaObject::invokeMethod(running, &QCoreApplication::quit, Qt::QueuedConnection);
    Sleep(500);
    return TRUE;
}

} // namespace

void QuitSignals::install(QCoreApplication *app)
{
    running = app;
    SetConsoleCtrlHandler(onControl, TRUE);
}
