#include "win32shell.h"

#include <windows.h>
#include <dbghelp.h>

#include <cstdio>
#include <vector>

namespace {

wchar_t g_dumpPath[32768];

LONG WINAPI writeMiniDump(EXCEPTION_POINTERS *exception)
{
    HANDLE file = CreateFileW(g_dumpPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
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

namespace win32shell {

bool readFileVersion(const char *path, char *text, std::size_t size)
{
    DWORD ignored = 0;
    const DWORD length = GetFileVersionInfoSizeA(path, &ignored);
    if (length == 0)
        return false;
    std::vector<char> block(length);
    if (!GetFileVersionInfoA(path, 0, length, block.data()))
        return false;
    VS_FIXEDFILEINFO *info = nullptr;
    UINT infoLength = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&info), &infoLength) || !info)
        return false;
    std::snprintf(text, size, "%d.%d.%d.%d", int(HIWORD(info->dwFileVersionMS)), int(LOWORD(info->dwFileVersionMS)),
                  int(HIWORD(info->dwFileVersionLS)), int(LOWORD(info->dwFileVersionLS)));
    return true;
}

void showInFront(void *window)
{
    HWND handle = static_cast<HWND>(window);
    ShowWindow(handle, SW_SHOWNORMAL);
    SetWindowPos(handle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(handle, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool sendActivation(void *window, unsigned long tag)
{
    HWND handle = static_cast<HWND>(window);
    if (!IsWindow(handle))
        return false;
    INT32 value = 1;
    COPYDATASTRUCT data;
    data.dwData = tag;
    data.cbData = sizeof value;
    data.lpData = &value;
    SendMessageW(handle, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    return true;
}

void installMiniDumpFilter(const wchar_t *path)
{
    const size_t capacity = sizeof g_dumpPath / sizeof g_dumpPath[0];
    if (wcslen(path) >= capacity)
        return;
    wcscpy(g_dumpPath, path);
    SetUnhandledExceptionFilter(writeMiniDump);
}

void writeDebugString(const wchar_t *text)
{
    OutputDebugStringW(text);
}

} // namespace win32shell
