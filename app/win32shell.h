#ifndef WIN32SHELL_H
#define WIN32SHELL_H

#include <cstddef>

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

// From now on an unhandled exception writes a minidump of the process to path, replacing any earlier one.
void installMiniDumpFilter(const wchar_t *path);

// One line for an attached debugger.
void writeDebugString(const wchar_t *text);

} // namespace win32shell

#endif
