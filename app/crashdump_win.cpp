#include "crashdump.h"

#include <QDir>

#include <windows.h>
#include <dbghelp.h>

namespace {

wchar_t g_path[32768];

LONG WINAPI writeMiniDump(EXCEPTION_POINTERS *exception)
{
    HANDLE file = CreateFileW(g_path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        MINIDUMP_EXCEPTION_INFORMATION info;
        info.ThreadId = GetCurrentThreadId();
        info.ExceptionPointers = exception;
        info.ClientPointers = TRUE;
        MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file, MiniDumpNormal, &info, nullptr,
                          nullptr);
        CloseHandle(file);
    }
    // Let the system's own crash handling follow.
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

void CrashDump::installHandler(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() >= int(sizeof g_path / sizeof g_path[0]))
        return;
    g_path[native.toWCharArray(g_path)] = L'\0';
    SetUnhandledExceptionFilter(writeMiniDump);
}
