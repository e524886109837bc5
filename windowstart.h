#ifndef WINDOWSTART_H
#define WINDOWSTART_H

// Starts the window and runs it to its end; the program's exit code.
namespace WindowStart {
int run(int argc, char *argv[]);
} // namespace WindowStart

#endif // WINDOWSTART_H
