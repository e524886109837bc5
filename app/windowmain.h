#ifndef WINDOWMAIN_H
#define WINDOWMAIN_H

// The program started without a command: one running copy, the log, the crash dumps and the main window.
namespace WindowMain {
int run(int argc, char *argv[]);
} // namespace WindowMain

#endif // WINDOWMAIN_H
