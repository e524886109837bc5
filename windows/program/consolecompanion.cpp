// velora.com: the console face of velora.exe. cmd and PowerShell prefer a .com to an .exe of the same
// name, and wait for a console program, so `velora --status` typed in a console runs this: it starts
// velora.exe beside it with the same arguments and the console's own standard handles, waits for it
// and ends with its exit code. velora.exe stays a GUI program, so a start from the Start menu shows
// no console window.
#include <windows.h>

#include <cwchar>

extern "C" int wmain();

namespace {

// The arguments as typed, after the program's own name (quoted or not), with their quoting intact.
 const wchar_t *argumentsOf(const wchar_t *commandLine)
{
    const wchar_t *p = commandLine;
    if (*p == L'"') {
        for (++p; *p && *p != L'"'; ++p) {
        }
        if (*p) {
            ++p;
        }
    } else {
        for (; *p && *p != L' ' && *p != L'\t'; ++p) {
        }
    }
    return p;
}

void complain(DWORD error)
{
    const int chinese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE;
    const wchar_t *text = chinese ? L"无法启动 velora.com 旁边的 velora.exe，错误代码 "
                                  : L"velora.exe beside velora.com could not be started, error ";
    wchar_t line[160];
    swprintf(line, sizeof line / sizeof line[0], L"%ls%lu\r\n", text, static_cast<unsigned long>(error));
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written;
    if (!WriteConsoleW(err, line, static_cast<DWORD>(wcslen(line)), &written, nullptr)) {
        // Redirected: the bytes go out as UTF-8, as the program's own output does.
        char bytes[480];
        const int size = WideCharToMultiByte(CP_UTF8, 0, line, -1, bytes, sizeof bytes, nullptr, nullptr);
        if (size > 1) {
            WriteFile(err, bytes, static_cast<DWORD>(size - 1), &written, nullptr);
        }
    }
}

} // namespace

int wmain()
{
    wchar_t program[MAX_PATH + 16];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        complain(GetLastError());
        return 1;
    }
    wchar_t *slash = wcsrchr(program, L'\\');
    wcscpy(slash ? slash + 1 : program, L"velora.exe");

    const wchar_t *arguments = argumentsOf(GetCommandLineW());
    const size_t size = wcslen(program) + wcslen(arguments) + 3;
    wchar_t *commandLine = static_cast<wchar_t *>(HeapAlloc(GetProcessHeap(), 0, size * sizeof(wchar_t)));
    if (!commandLine) {
        complain(ERROR_NOT_ENOUGH_MEMORY);
        return 1;
    }
    swprintf(commandLine, size, L"\"%ls\"%ls", program, arguments);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process;
    if (!CreateProcessW(program, commandLine, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        complain(GetLastError());
        return 1;
    }
    CloseHandle(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
