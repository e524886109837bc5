#include "diagnosticlog.h"

#include <windows.h>

void writeDebuggerOutput(const QString &line)
{
    OutputDebugStringW(reinterpret_cast<const wchar_t *>(line.utf16()));
    OutputDebugStringW(L"\r\n");
}
