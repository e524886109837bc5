// A small test harness for the Windows console test programs of the cross build (no Qt for Windows
// exists here). Each program registers its cases with WT_CASE; main() runs them all, or only those
// named on the command line, and exits non-zero when any check failed.
// A program whose every case was skipped exits with WT_SKIP_CODE, which CTest reports as skipped.
#ifndef WINTEST_H
#define WINTEST_H

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace wintest {

constexpr int WT_SKIP_CODE = 77;

struct Failure
{
};
struct Skip
{
    std::string reason;
};

struct Case
{
    const char *name;
    std::function<void()> body;
};

struct Child
{
    const char *name;
    std::function<int()> body;
};

std::vector<Case> &registry();
bool registerCase(const char *name, std::function<void()> body);
std::vector<Child> &children();
bool registerChild(const char *name, std::function<int()> body);
void fail(const char *file, int line, const std::string &what);
std::string describe(const std::string &v);
std::string describe(const std::wstring &v);
std::string describe(const char *v);
std::string describe(const wchar_t *v);
std::string describe(unsigned long long v);
std::string describe(long long v);
template <typename T> std::string describe(T v) { return describe(static_cast<long long>(v)); }

// The path of the running test program, and the folder it lies in (no trailing separator).
std::wstring selfPath();
std::wstring selfDir();
// A fresh empty folder below the system's temporary folder, removed at exit.
std::wstring tempDir();
// Starts this program again with the given arguments and process creation flags; the check fails
// when it cannot be started. The caller closes both handles.
PROCESS_INFORMATION startSelf(const std::wstring &args, DWORD creationFlags = 0);
// Runs this program again with the given arguments and returns its exit code, dispatching this
// thread's window messages meanwhile; the child is ended and the check fails when it does not
// finish within timeoutMs. The child inherits the environment, which is how tests hand it data.
DWORD runSelf(const std::wstring &args, DWORD timeoutMs = 60000);
std::string narrow(const std::wstring &w);

} // namespace wintest

#define WT_CONCAT2(a, b) a##b
#define WT_CONCAT(a, b) WT_CONCAT2(a, b)
#define WT_CASE(name)                                                                              \
    static void name();                                                                            \
    static const bool WT_CONCAT(wt_registered_, name) = wintest::registerCase(#name, name);       \
    static void name()

// A child mode: the program runs it instead of its cases when started as "<program> --child <name>",
// and exits with its result (cases start their children with runSelf(L"--child <name>")).
#define WT_CHILD(name)                                                                             \
    static int name();                                                                             \
    static const bool WT_CONCAT(wt_child_, name) = wintest::registerChild(#name, name);           \
    static int name()

#define WT_CHECK(cond)                                                                             \
    do {                                                                                           \
        if (!(cond))                                                                               \
            wintest::fail(__FILE__, __LINE__, "check failed: " #cond);                             \
    } while (0)

#define WT_COMPARE(actual, expected)                                                               \
    do {                                                                                           \
        const auto &wt_a = (actual);                                                               \
        const auto &wt_e = (expected);                                                             \
        if (!(wt_a == wt_e))                                                                       \
            wintest::fail(__FILE__, __LINE__,                                                      \
                          std::string(#actual " == " #expected ": got ") + wintest::describe(wt_a) \
                              + ", expected " + wintest::describe(wt_e));                          \
    } while (0)

#define WT_SKIP(reason) throw wintest::Skip{reason}

#endif
