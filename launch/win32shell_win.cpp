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

namespace {

struct AnswerBox
{
    unsigned long tag = 0;
    std::string text;
    bool received = false;
};

LRESULT CALLBACK answerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        auto *box = reinterpret_cast<AnswerBox *>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        if (box && data->dwData == box->tag) {
            box->text.assign(static_cast<const char *>(data->lpData), data->cbData);
            box->received = true;
            return TRUE;
        }
        return FALSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

CommandDelivery sendCommand(void *window, unsigned long tag, unsigned long answerTag, const std::string &request,
                            std::string *answer, unsigned timeoutMs)
{
    HWND target = static_cast<HWND>(window);
    if (!IsWindow(target))
        return CommandDelivery::NoWindow;
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = answerProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VeloraCommandAnswer";
    RegisterClassW(&windowClass); // fails harmlessly when already registered
    HWND replyTo = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   windowClass.hInstance, nullptr);
    if (!replyTo)
        return CommandDelivery::NoAnswer;
    AnswerBox box;
    box.tag = answerTag;
    SetWindowLongPtrW(replyTo, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&box));
    COPYDATASTRUCT data;
    data.dwData = tag;
    data.cbData = DWORD(request.size());
    data.lpData = const_cast<char *>(request.data());
    DWORD_PTR result = 0;
    // The answer arrives as a sent message while this call waits, so it is delivered to replyTo here.
    SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(replyTo), reinterpret_cast<LPARAM>(&data),
                        SMTO_NORMAL | SMTO_ABORTIFHUNG, timeoutMs, &result);
    DestroyWindow(replyTo);
    if (!box.received)
        return CommandDelivery::NoAnswer;
    *answer = box.text;
    return CommandDelivery::Answered;
}

bool readCommand(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, unsigned long tag,
                 std::string *request, void **replyTo)
{
    if (message != WM_COPYDATA || lParam == 0)
        return false;
    const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
    if (data->dwData != tag || !IsWindow(reinterpret_cast<HWND>(wParam)))
        return false;
    request->assign(static_cast<const char *>(data->lpData), data->cbData);
    *replyTo = reinterpret_cast<void *>(wParam);
    return true;
}

bool sendAnswer(void *replyTo, unsigned long answerTag, const std::string &answer)
{
    HWND window = static_cast<HWND>(replyTo);
    if (!IsWindow(window))
        return false;
    COPYDATASTRUCT data;
    data.dwData = answerTag;
    data.cbData = DWORD(answer.size());
    data.lpData = const_cast<char *>(answer.data());
    return SendMessageW(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)) == TRUE;
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
