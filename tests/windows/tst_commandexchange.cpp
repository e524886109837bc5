// A command and its answer between two windows: the request as WM_COPYDATA with the command tag and
// the sender's answer window, the answer sent back while the request is handled, and the bound on
// waiting for a window that never answers.
#include "launch/win32shell.h"
#include "wintest.h"

#include <string>

namespace {

const unsigned long kCommandTag = 10087;
const unsigned long kAnswerTag = 10088;
const unsigned long kActivationTag = 10086;

// How the stand-in window treats a command: answers it (the request reversed), or keeps silent.
bool g_answers = true;
std::string g_lastRequest;

LRESULT CALLBACK receiver(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    std::string request;
    void *replyTo = nullptr;
    if (win32shell::readCommand(message, wParam, lParam, kCommandTag, &request, &replyTo)) {
        g_lastRequest = request;
        if (g_answers)
            win32shell::sendAnswer(replyTo, kAnswerTag, std::string(request.rbegin(), request.rend()));
        else
            Sleep(1500);
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The stand-in window runs its own message loop on a thread of its own, as another process would.
struct Receiver
{
    HANDLE thread = nullptr;
    HWND window = nullptr;
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);

    Receiver()
    {
        thread = CreateThread(nullptr, 0, &Receiver::run, this, 0, nullptr);
        WaitForSingleObject(ready, 5000);
    }
    ~Receiver()
    {
        PostMessageW(window, WM_QUIT, 0, 0);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
        CloseHandle(ready);
    }
    static DWORD WINAPI run(void *self)
    {
        auto *receiverSelf = static_cast<Receiver *>(self);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = receiver;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VeloraTestReceiver";
        RegisterClassW(&windowClass);
        receiverSelf->window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                               nullptr, windowClass.hInstance, nullptr);
        SetEvent(receiverSelf->ready);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
        DestroyWindow(receiverSelf->window);
        return 0;
    }
};

} // namespace

WT_CASE(theAnswerComesBackWhileTheRequestIsHandled)
{
    g_answers = true;
    Receiver receiver;
    WT_CHECK(receiver.window != nullptr);
    const std::string request("{\"velora\":1}\0tail", 17); // any bytes, a zero included
    std::string answer;
    WT_CHECK(win32shell::sendCommand(receiver.window, kCommandTag, kAnswerTag, request, &answer, 5000)
             == win32shell::CommandDelivery::Answered);
    WT_COMPARE(g_lastRequest, request);
    WT_COMPARE(answer, std::string(request.rbegin(), request.rend()));
}

WT_CASE(aWindowThatDoesNotAnswerIsGivenUpOnWithinTheBound)
{
    g_answers = false;
    Receiver receiver;
    std::string answer = "unchanged";
    const DWORD start = GetTickCount();
    WT_CHECK(win32shell::sendCommand(receiver.window, kCommandTag, kAnswerTag, "x", &answer, 300)
             == win32shell::CommandDelivery::NoAnswer);
    WT_CHECK(GetTickCount() - start < 1400);
    WT_COMPARE(answer, std::string("unchanged"));
}

WT_CASE(noWindowNoCommand)
{
    std::string answer;
    WT_CHECK(win32shell::sendCommand(win32shell::windowFromStoredHandle(0), kCommandTag, kAnswerTag, "x", &answer, 300)
             == win32shell::CommandDelivery::NoWindow);
}

WT_CASE(onlyTheCommandTagIsACommand)
{
    INT32 value = 1;
    COPYDATASTRUCT activation{kActivationTag, sizeof value, &value};
    std::string request;
    void *replyTo = nullptr;
    WT_CHECK(!win32shell::readCommand(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&activation), kCommandTag, &request, &replyTo));
    WT_CHECK(!win32shell::readCommand(WM_PAINT, 0, 0, kCommandTag, &request, &replyTo));
    // The activation is still what it was for the window's own decoding.
    WT_CHECK(win32shell::decodeWindowMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&activation), kActivationTag)
             == win32shell::WindowEvent::Activation);
}
