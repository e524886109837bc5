#include "wintest.h"

#include <cstring>

namespace wintest {

std::vector<Case> &registry()
{
    static std::vector<Case> cases;
    return cases;
}

bool registerCase(const char *name, std::function<void()> body)
{
    registry().push_back({name, std::move(body)});
    return true;
}

std::vector<Child> &children()
{
    static std::vector<Child> modes;
    return modes;
}

bool registerChild(const char *name, std::function<int()> body)
{
    children().push_back({name, std::move(body)});
    return true;
}

void fail(const char *file, int line, const std::string &what)
{
    std::printf("    %s:%d: %s\n", file, line, what.c_str());
    throw Failure{};
}

std::string narrow(const std::wstring &w)
{
    if (w.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), &s[0], n, nullptr, nullptr);
    return s;
}

std::string describe(const std::string &v) { return "\"" + v + "\""; }
std::string describe(const std::wstring &v) { return "L\"" + narrow(v) + "\""; }
std::string describe(const char *v) { return v ? describe(std::string(v)) : "(null)"; }
std::string describe(const wchar_t *v) { return v ? describe(std::wstring(v)) : "(null)"; }
std::string describe(unsigned long long v) { return std::to_string(v); }
std::string describe(long long v) { return std::to_string(v); }

std::wstring selfPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring selfDir()
{
    std::wstring path = selfPath();
    return path.substr(0, path.find_last_of(L"\\/"));
}

static std::vector<std::wstring> &tempDirs()
{
    static std::vector<std::wstring> dirs;
    return dirs;
}

static void removeTree(const std::wstring &dir)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((dir + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = data.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = dir + L"\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(dir.c_str());
}

std::wstring tempDir()
{
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    for (unsigned attempt = 0;; ++attempt) {
        std::wstring dir = std::wstring(base) + L"velora-wintest-" + std::to_wstring(GetCurrentProcessId())
                           + L"-" + std::to_wstring(tempDirs().size()) + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(dir.c_str(), nullptr)) {
            tempDirs().push_back(dir);
            return dir;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            fail(__FILE__, __LINE__, "cannot create a temporary folder");
    }
}

PROCESS_INFORMATION startSelf(const std::wstring &args, DWORD creationFlags)
{
    std::wstring command = L"\"" + selfPath() + L"\" " + args;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, creationFlags, nullptr, nullptr, &startup,
                        &process))
        fail(__FILE__, __LINE__, "cannot start the child process");
    return process;
}

DWORD runSelf(const std::wstring &args, DWORD timeoutMs)
{
    const PROCESS_INFORMATION process = startSelf(args);
    CloseHandle(process.hThread);
    // Keep this thread's windows answering while waiting: the child may send them messages.
    const DWORD deadline = GetTickCount() + timeoutMs;
    bool finished = false;
    for (;;) {
        const DWORD now = GetTickCount();
        const DWORD left = int(deadline - now) > 0 ? deadline - now : 0;
        const DWORD woken = MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, left, QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0) {
            finished = true;
            break;
        }
        if (woken != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DWORD code = STILL_ACTIVE;
    if (finished)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hProcess);
    if (!finished)
        fail(__FILE__, __LINE__, "the child process did not finish in time");
    return code;
}

} // namespace wintest

static int runChild(const char *name)
{
    for (const wintest::Child &c : wintest::children())
        if (std::strcmp(c.name, name) == 0)
            return c.body();
    std::printf("no child mode named %s\n", name);
    return 2;
}

static bool known(const char *name)
{
    for (const wintest::Case &c : wintest::registry())
        if (std::strcmp(c.name, name) == 0)
            return true;
    return false;
}

int main(int argc, char **argv)
{
    using namespace wintest;
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return runChild(argv[2]);
    for (int i = 1; i < argc; ++i) {
        if (!known(argv[i])) {
            std::printf("no test case named %s\n", argv[i]);
            return 2;
        }
    }
    int passed = 0, failed = 0, skipped = 0;
    for (const Case &c : registry()) {
        bool selected = argc < 2;
        for (int i = 1; i < argc; ++i)
            selected = selected || std::strcmp(argv[i], c.name) == 0;
        if (!selected)
            continue;
        try {
            c.body();
            std::printf("PASS   %s\n", c.name);
            ++passed;
        } catch (const Skip &s) {
            std::printf("SKIP   %s: %s\n", c.name, s.reason.c_str());
            ++skipped;
        } catch (const Failure &) {
            std::printf("FAIL   %s\n", c.name);
            ++failed;
        }
        std::fflush(stdout);
    }
    for (const std::wstring &dir : tempDirs())
        removeTree(dir);
    std::printf("Totals: %d passed, %d failed, %d skipped\n", passed, failed, skipped);
    if (failed)
        return 1;
    return passed == 0 && skipped > 0 ? WT_SKIP_CODE : 0;
}
