#include "diagnosticlog.h"

#include "launch/win32shell.h"

void writeDebuggerOutput(const QString &line)
{
    win32shell::writeDebugString(reinterpret_cast<const wchar_t *>(line.utf16()));
    win32shell::writeDebugString(L"\r\n");
}
