// Tries the shell's Windows calls for real: built with the MinGW-w64 cross compiler and run under
// wine64 by scripts/test-win32.sh. Argument: the expected file version. Exit code: the number of failures.
#include "app/win32shell.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int g_failures = 0;
const ULONG32 exceptionStream = 6; // the minidump stream type of the exception record

void check(bool ok, const char *what)
{
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what);
    if (!ok)
        ++g_failures;
}

unsigned long g_tag = 0;
int g_requests = 0;
bool g_wellFormed = false;

LRESULT CALLBACK receiver(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        g_tag = static_cast<unsigned long>(data->dwData);
        g_wellFormed = data->cbData == 4 && *static_cast<const INT32 *>(data->lpData) == 1;
        ++g_requests;
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void activation()
{
    WNDCLASSW type = {};
    type.lpfnWndProc = receiver;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"velora-receiver";
    RegisterClassW(&type);
    HWND window = CreateWindowExW(0, type.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  type.hInstance, nullptr);
    check(win32shell::sendActivation(window, 10086), "a live window is sent the request");
    check(g_requests == 1 && g_tag == 10086 && g_wellFormed, "the window got tag 10086 with the value 1");
    DestroyWindow(window);
    check(!win32shell::sendActivation(window, 10086) && g_requests == 1, "a gone window is sent nothing");
}

void version(const char *expected)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    char text[64] = {};
    check(win32shell::readFileVersion(self, text, sizeof text) && std::strcmp(text, expected) == 0,
          "the version resource reads back as the project version");
    check(!win32shell::readFileVersion("C:\\no\\such\\program.exe", text, sizeof text), "no file, no version");
}

// The exception code recorded in a minidump file, or 0 when the file is no minidump.
unsigned long dumpedException(const wchar_t *path)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    std::vector<unsigned char> bytes(GetFileSize(file, nullptr));
    DWORD got = 0;
    ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, nullptr);
    CloseHandle(file);
    const auto u32 = [&bytes](size_t at) {
        ULONG32 v = 0;
        if (at + 4 <= bytes.size())
            std::memcpy(&v, &bytes[at], 4);
        return v;
    };
    if (u32(0) != 0x504D444D) // "MDMP"
        return 0;
    for (ULONG32 i = 0; i < u32(8); ++i) {
        const size_t entry = u32(12) + 12 * i;
        if (u32(entry) == exceptionStream)
            return u32(u32(entry + 8) + 8);
    }
    return 0;
}

DWORD runChild(const char *kind, const wchar_t *dump)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring line = std::wstring(L"\"") + self + L"\" crash " + (kind[0] == 'a' ? L"access " : L"trap ") + dump;
    // What the system's crash handling prints about the child goes nowhere.
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE null = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = start.hStdError = null;
    PROCESS_INFORMATION child = {};
    const BOOL started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &child);
    CloseHandle(null);
    if (!started)
        return 0;
    WaitForSingleObject(child.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return code;
}

void crashDump()
{
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    const std::wstring dump = std::wstring(dir) + L"velora-test.dmp";
    DeleteFileW(dump.c_str());
    // The exit code of a crashed child is the exception code on Windows; other hosts may give another.
    check(runChild("access", dump.c_str()) != 0, "the first child crashed");
    check(dumpedException(dump.c_str()) == EXCEPTION_ACCESS_VIOLATION, "its dump holds the access violation");
    check(runChild("trap", dump.c_str()) != 0, "the second child crashed");
    check(dumpedException(dump.c_str()) == EXCEPTION_ILLEGAL_INSTRUCTION, "the dump now holds the later crash");
    DeleteFileW(dump.c_str());
}

int crash(const char *kind, const char *path)
{
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    std::wstring wide(path, path + std::strlen(path));
    win32shell::installMiniDumpFilter(wide.c_str());
    if (kind[0] == 'a')
        *reinterpret_cast<volatile int *>(std::uintptr_t(16)) = 1;
    __builtin_trap();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "crash") == 0)
        return crash(argv[2], argv[3]);
    activation();
    version(argc > 1 ? argv[1] : "");
    crashDump();
    return g_failures;
}
