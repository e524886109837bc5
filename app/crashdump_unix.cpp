#include "crashdump.h"

#include <QFile>

#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Everything the handler touches is prepared at installation: inside it only write(2)-class calls run.

namespace {

char g_path[4096];
char g_alternateStack[64 * 1024]; // lets a stack overflow still be reported
const int fatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
const int maxFrames = 64;

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "?";
    }
}

void writeText(int fd, const char *text)
{
    size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(fd, text, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text += written;
        left -= size_t(written);
    }
}

void writeNumber(int fd, unsigned long long value, unsigned base)
{
    char digits[32];
    char *p = digits + sizeof digits;
    *--p = '\0';
    do {
        *--p = "0123456789abcdef"[value % base];
        value /= base;
    } while (value != 0);
    writeText(fd, p);
}

void writeField(int fd, const char *name, unsigned long long value, unsigned base)
{
    writeText(fd, name);
    writeText(fd, base == 16 ? "0x" : "");
    writeNumber(fd, value, base);
    writeText(fd, "\n");
}

void copyFile(int fd, const char *source)
{
    const int in = ::open(source, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buffer[4096];
    ssize_t got;
    while ((got = ::read(in, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
        if (got > 0 && ::write(fd, buffer, size_t(got)) < 0)
            break;
    }
    ::close(in);
}

void writeDump(int fd, int sig, const siginfo_t *info)
{
    writeText(fd, "velora crash dump\nsignal: ");
    writeNumber(fd, unsigned(sig), 10);
    writeText(fd, " (");
    writeText(fd, signalName(sig));
    writeText(fd, ")\n");
    writeField(fd, "code: ", (unsigned long long)(info ? info->si_code : 0), 10);
    writeField(fd, "address: ", (unsigned long long)(info ? info->si_addr : nullptr), 16);
    writeField(fd, "process: ", (unsigned long long)::getpid(), 10);
    writeField(fd, "thread: ", (unsigned long long)::syscall(SYS_gettid), 10);
    writeText(fd, "\nbacktrace:\n");
    void *frames[maxFrames];
    ::backtrace_symbols_fd(frames, ::backtrace(frames, maxFrames), fd);
    writeText(fd, "\nmemory map:\n");
    copyFile(fd, "/proc/self/maps");
}

// Makes the dump's folder and those above it, as far as they are missing (the data folder may have
// been removed while the program ran); mkdir(2) may be called from a signal handler.
void makeFolders(const char *filePath)
{
    char folder[sizeof g_path];
    std::memcpy(folder, filePath, sizeof folder);
    for (char *slash = std::strchr(folder + 1, '/'); slash; slash = std::strchr(slash + 1, '/')) {
        *slash = '\0';
        ::mkdir(folder, 0700);
        *slash = '/';
    }
}

void onFatalSignal(int sig, siginfo_t *info, void *)
{
    makeFolders(g_path);
    const int fd = ::open(g_path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeDump(fd, sig, info);
        ::close(fd);
    }
    // The handler was reset to the default on entry: raising again ends the process the usual way.
    ::raise(sig);
}

} // namespace

void CrashDump::installHandler(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    if (size_t(native.size()) >= sizeof g_path)
        return;
    std::memcpy(g_path, native.constData(), size_t(native.size()) + 1);

    // The first backtrace() loads the unwinder; that must not happen inside the handler.
    void *frame[1];
    ::backtrace(frame, 1);

    stack_t stack = {};
    stack.ss_sp = g_alternateStack;
    stack.ss_size = sizeof g_alternateStack;
    ::sigaltstack(&stack, nullptr);

    struct sigaction action = {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int sig : fatalSignals)
        ::sigaction(sig, &action, nullptr);
}
