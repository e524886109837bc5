#ifndef WIN32SHELL_H
#define WIN32SHELL_H

#include <cstddef>
#include <cstdint>
#include <string>

struct _EXCEPTION_POINTERS;

// The Windows calls of the application shell, kept free of Qt so that they build and can be tried on
// their own. Window handles are passed as void *.
namespace win32shell {

// The file version of the executable at path, "major.minor.build.revision"; false without a readable
// version resource.
bool readFileVersion(const char *path, char *text, std::size_t size);

// Restores the window and lifts it above all others without leaving it always on top.
void showInFront(void *window);

// Sends the activation request (a copy-data message carrying tag and the value 1) to window, synchronously;
// false when the handle names no window.
bool sendActivation(void *window, unsigned long tag);

// A command from the command line: WM_COPYDATA with the command tag and the request's bytes, its wParam
// a message-only window of the sending process. The receiver answers while it handles the request, with
// a WM_COPYDATA of the answer tag to that window; the sender waits at most timeoutMs in all.
enum class CommandDelivery { NoWindow, Answered, NoAnswer };
CommandDelivery sendCommand(void *window, unsigned long tag, unsigned long answerTag, const std::string &request,
                            std::string *answer, unsigned timeoutMs);
// The request of a WM_COPYDATA of the command tag and the window the answer goes to; false for any
// other message.
bool readCommand(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, unsigned long tag,
                 std::string *request, void **replyTo);
// False when the command's window has gone.
bool sendAnswer(void *replyTo, unsigned long answerTag, const std::string &answer);

// The window a handle kept in 4 bytes names. Window handles are 32-bit values that 64-bit Windows
// sign-extends, so the value survives the single-instance segment in either word size.
void *windowFromStoredHandle(std::uint32_t handle);

// From now on an unhandled exception writes a minidump of the process to path, replacing any earlier one.
// False, and nothing installed, for an empty path or one too long to keep.
bool installMiniDumpFilter(const wchar_t *path);

// The installed filter: writes the dump (making its folder again when it has gone since installation)
// and returns 0, so that the search for a handler and the system's own crash handling go on.
long __stdcall miniDumpFilter(_EXCEPTION_POINTERS *exception);

// One line for an attached debugger.
void writeDebugString(const wchar_t *text);

// Has the session's end wait, naming the reason the system shows the user, until unblockShutdown.
bool blockShutdown(void *window, const wchar_t *reason);
void unblockShutdown(void *window);

// What a message to the main window means to the program.
enum class WindowEvent {
    None,          // not one of ours: the base class handles it
    Activation,    // WM_COPYDATA with the activation tag: come to the front
    OtherCopyData, // any other WM_COPYDATA: swallowed
    SessionEnding, // WM_QUERYENDSESSION
    Suspending,    // WM_POWERBROADCAST with PBT_APMSUSPEND
    Resumed,       // WM_POWERBROADCAST with PBT_APMRESUMEAUTOMATIC
};

WindowEvent decodeWindowMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                                unsigned long activationTag);

} // namespace win32shell

#endif
