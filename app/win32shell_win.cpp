#include "win32shell.h"

#include <windows.h>
#include <dbghelp.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

// Static, not on the stack: the filter may run on a thread whose stack has just overflowed.
wchar_t g_dumpPath[32768];
wchar_t g_dumpFolder[32768];

// Creates every missing folder above the file at path, with nothing a damaged heap could break.
void createParentFolders(const wchar_t *path)
{
    for (size_t i = 0; path[i] != L'\0'; ++i) {
        if ((path[i] == L'\\' || path[i] == L'/') && i > 0 && path[i - 1] != L':') {
            g_dumpFolder[i] = L'\0';
            CreateDirectoryW(g_dumpFolder, nullptr);
        }
        g_dumpFolder[i] = path[i];
    }
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
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&info), &infoLength) || !info
        || infoLength < sizeof(VS_FIXEDFILEINFO))
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

void *windowFromStoredHandle(std::uint32_t handle)
{
    return reinterpret_cast<void *>(static_cast<LONG_PTR>(static_cast<INT32>(handle)));
}

bool installMiniDumpFilter(const wchar_t *path)
{
    const size_t length = std::wcslen(path);
    if (length == 0 || length >= sizeof g_dumpPath / sizeof g_dumpPath[0])
        return false;
    std::wmemcpy(g_dumpPath, path, length + 1);
    SetUnhandledExceptionFilter(miniDumpFilter);
    return true;
}

long __stdcall miniDumpFilter(_EXCEPTION_POINTERS *exception)
{
    createParentFolders(g_dumpPath);
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
    return EXCEPTION_CONTINUE_SEARCH;
}

void writeDebugString(const wchar_t *text)
{
    OutputDebugStringW(text);
}

bool blockShutdown(void *window, const wchar_t *reason)
{
    return ShutdownBlockReasonCreate(static_cast<HWND>(window), reason) != FALSE;
}

void unblockShutdown(void *window)
{
    ShutdownBlockReasonDestroy(static_cast<HWND>(window));
}

WindowEvent decodeWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                unsigned long activationTag)
{
    switch (message) {
    case WM_COPYDATA: {
        const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        return data && data->dwData == activationTag ? WindowEvent::Activation : WindowEvent::OtherCopyData;
    }
    case WM_QUERYENDSESSION:
        return WindowEvent::SessionEnding;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMSUSPEND)
            return WindowEvent::Suspending;
        if (wParam == PBT_APMRESUMEAUTOMATIC)
            return WindowEvent::Resumed;
        return WindowEvent::None;
    default:
        return WindowEvent::None;
    }
}

} // namespace win32shell
