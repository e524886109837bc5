// The hand-over from a second start to the first copy: the stored 32-bit handle, the WM_COPYDATA
// request sent from another process, and the receiving window coming to the front.
#include "launch/win32shell.h"
#include "wintest.h"

#include <cwchar>
#include <string>

using win32shell::WindowEvent;

namespace {

const unsigned long kTag = 10086;
const wchar_t *const kHandleVariable = L"VELORA_TEST_WINDOW";

// What the test window's procedure saw of the requests sent to it.
struct Received
{
    int requests = 0;
    ULONG_PTR tag = 0;
    DWORD size = 0;
    int value = 0;
    int activations = 0;
};
Received g_received;

// Answers messages the way the main window does: decode, then come to the front on a request.
LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COPYDATA) {
        const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(lParam);
        ++g_received.requests;
        g_received.tag = data->dwData;
        g_received.size = data->cbData;
        if (data->cbData == sizeof(int))
            g_received.value = *static_cast<const int *>(data->lpData);
    }
    switch (win32shell::decodeWindowMessage(message, wParam, lParam, kTag)) {
    case WindowEvent::Activation:
        ++g_received.activations;
        win32shell::showInFront(window);
        return TRUE;
    case WindowEvent::OtherCopyData:
        return FALSE;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND createWindow(const wchar_t *title)
{
    static ATOM windowClass = 0;
    if (!windowClass) {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = windowProcedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VeloraActivationTest";
        windowClass = RegisterClassW(&wc);
    }
    return CreateWindowExW(0, L"VeloraActivationTest", title, WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The 4 bytes the first copy stores for its window, as the single-instance segment keeps them.
std::uint32_t storedHandleOf(HWND window)
{
    return std::uint32_t(reinterpret_cast<std::uintptr_t>(window));
}

// True when `upper` lies above `lower` in the z-order.
bool isAbove(HWND upper, HWND lower)
{
    for (HWND w = GetWindow(lower, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV))
        if (w == upper)
            return true;
    return false;
}

// The window wine's display driver gives us, or a skip saying why there is none.
HWND createWindowOrSkip(const wchar_t *title)
{
    HWND window = createWindow(title);
    if (!window)
        WT_SKIP("no top-level window can be created here (wine without a display driver)");
    return window;
}

// The first copy's window, shown and then put in the given show state, and another program's window
// above it; both are gone when the case ends, passed or not, so that no case finds the windows of
// another in its z-order.
struct TwoWindows
{
    explicit TwoWindows(int firstShowState)
        : first(createWindowOrSkip(L"first copy"))
        , other(createWindowOrSkip(L"another program"))
    {
        ShowWindow(first, SW_SHOWNORMAL);
        ShowWindow(other, SW_SHOWNORMAL);
        ShowWindow(first, firstShowState);
        SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    ~TwoWindows()
    {
        DestroyWindow(other);
        DestroyWindow(first);
    }
    TwoWindows(const TwoWindows &) = delete;
    TwoWindows &operator=(const TwoWindows &) = delete;

    HWND first;
    HWND other;
};

} // namespace

// A second start, in its own process: reads the stored handle and sends the request.
WT_CHILD(secondStart)
{
    wchar_t text[32] = {};
    GetEnvironmentVariableW(kHandleVariable, text, 32);
    const std::uint32_t stored = std::uint32_t(std::wcstoul(text, nullptr, 10));
    return win32shell::sendActivation(win32shell::windowFromStoredHandle(stored), kTag) ? 0 : 3;
}

// Starts a second copy that asks `first` to come to the front, and checks what the window saw and
// that it ended up shown normally, above `other`, and not always on top.
static void secondStartRaises(HWND first, HWND other)
{
    g_received = Received();
    SetEnvironmentVariableW(kHandleVariable, std::to_wstring(storedHandleOf(first)).c_str());
    WT_COMPARE(wintest::runSelf(L"--child secondStart"), DWORD(0));

    WT_COMPARE(g_received.requests, 1);
    WT_COMPARE(g_received.tag, ULONG_PTR(10086));
    WT_COMPARE(g_received.size, DWORD(4));
    WT_COMPARE(g_received.value, 1);
    WT_COMPARE(g_received.activations, 1);
    WT_CHECK(!IsIconic(first));
    WT_CHECK(IsWindowVisible(first));
    WT_CHECK(isAbove(first, other));
    WT_COMPARE(GetWindowLongW(first, GWL_EXSTYLE) & WS_EX_TOPMOST, 0L);
}

WT_CASE(requestFromAnotherProcessRaisesTheMinimisedWindow)
{
    TwoWindows windows(SW_SHOWMINIMIZED);
    WT_CHECK(IsIconic(windows.first));
    WT_CHECK(isAbove(windows.other, windows.first));
    secondStartRaises(windows.first, windows.other);
}

// Shown already, but covered by another window: restoring alone would leave it behind.
WT_CASE(requestFromAnotherProcessRaisesTheCoveredWindow)
{
    TwoWindows windows(SW_SHOWNORMAL);
    WT_CHECK(isAbove(windows.other, windows.first));
    secondStartRaises(windows.first, windows.other);
}

WT_CASE(nothingIsSentToAHandleThatNamesNoWindow)
{
    HWND gone = createWindowOrSkip(L"gone");
    const std::uint32_t stored = storedHandleOf(gone);
    DestroyWindow(gone);
    g_received = Received();
    WT_CHECK(!win32shell::sendActivation(win32shell::windowFromStoredHandle(stored), kTag));
    // A fresh segment reads as 0: the first copy has not shown its window yet.
    WT_CHECK(!win32shell::sendActivation(win32shell::windowFromStoredHandle(0), kTag));
    WT_COMPARE(g_received.requests, 0);
}

// 64-bit Windows hands window handles between processes as sign-extended 32-bit values.
WT_CASE(storedHandlesSurviveTheFourByteSegment)
{
    const LONG_PTR values[] = {0x10020, 0x7FFFFFFF, LONG_PTR(std::int32_t(0x80001234)), -2};
    for (LONG_PTR value : values) {
        HWND window = reinterpret_cast<HWND>(value);
        WT_COMPARE(reinterpret_cast<LONG_PTR>(win32shell::windowFromStoredHandle(storedHandleOf(window))), value);
    }
}

WT_CASE(messagesToTheMainWindowDecodeToTheirEvents)
{
    std::int32_t one = 1;
    COPYDATASTRUCT request = {10086, sizeof one, &one};
    COPYDATASTRUCT foreign = {10087, sizeof one, &one};
    COPYDATASTRUCT tagZero = {0, 0, nullptr};
    const auto copyData = [](COPYDATASTRUCT *data) { return reinterpret_cast<LPARAM>(data); };
    struct Row
    {
        const char *what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        WindowEvent expected;
    };
    const Row rows[] = {
        {"activation request", WM_COPYDATA, 0, copyData(&request), WindowEvent::Activation},
        {"another data tag", WM_COPYDATA, 0, copyData(&foreign), WindowEvent::OtherCopyData},
        {"tag 0", WM_COPYDATA, 0, copyData(&tagZero), WindowEvent::OtherCopyData},
        {"no data block", WM_COPYDATA, 0, 0, WindowEvent::OtherCopyData},
        {"session ending", WM_QUERYENDSESSION, 0, LPARAM(ENDSESSION_LOGOFF), WindowEvent::SessionEnding},
        {"suspend (4)", WM_POWERBROADCAST, 4, 0, WindowEvent::Suspending},
        {"automatic resume (18)", WM_POWERBROADCAST, 18, 0, WindowEvent::Resumed},
        {"query suspend (0)", WM_POWERBROADCAST, 0, 0, WindowEvent::None},
        {"resume after user input (7)", WM_POWERBROADCAST, 7, 0, WindowEvent::None},
        {"power status change (10)", WM_POWERBROADCAST, 10, 0, WindowEvent::None},
        {"session ended", WM_ENDSESSION, TRUE, 0, WindowEvent::None},
        {"device change", WM_DEVICECHANGE, 0x8000, 0, WindowEvent::None},
        {"paint", WM_PAINT, 0, 0, WindowEvent::None},
    };
    for (const Row &row : rows) {
        const WindowEvent got = win32shell::decodeWindowMessage(row.message, row.wParam, row.lParam, kTag);
        if (got != row.expected)
            wintest::fail(__FILE__, __LINE__, std::string("wrong event for ") + row.what);
    }
}
