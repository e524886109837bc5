#include "cardconnection.h"

#include <QString>

#include <windows.h>

namespace {

// A card that does not answer within this time counts as gone.
constexpr DWORD answerTimeoutMs = 5000;
constexpr DWORD busyWaitMs = 1000;

HANDLE handleOf(qintptr value)
{
    return reinterpret_cast<HANDLE>(value);
}

} // namespace

CardConnection::~CardConnection()
{
    if (handleOf(m_handle) != INVALID_HANDLE_VALUE)
        CloseHandle(handleOf(m_handle));
}

bool CardConnection::send(const QByteArray &line)
{
    const QByteArray data = line + '\n';
    DWORD written = 0;
    return WriteFile(handleOf(m_handle), data.constData(), DWORD(data.size()), &written, nullptr)
        && written == DWORD(data.size());
}

// The pipe is read only when bytes are waiting, so that a card that never answers cannot hold the
// caller for longer than the timeout.
bool CardConnection::receiveLine(QByteArray *line)
{
    line->clear();
    const ULONGLONG deadline = GetTickCount64() + answerTimeoutMs;
    char chunk[256];
    while (!line->endsWith('\n')) {
        DWORD waiting = 0;
        if (!PeekNamedPipe(handleOf(m_handle), nullptr, 0, nullptr, &waiting, nullptr))
            return false;
        if (waiting == 0) {
            if (GetTickCount64() > deadline)
                return false;
            Sleep(1);
            continue;
        }
        DWORD n = 0;
        if (!ReadFile(handleOf(m_handle), chunk, qMin<DWORD>(waiting, sizeof(chunk)), &n, nullptr) || n == 0)
            return false;
        line->append(chunk, int(n));
    }
    line->chop(1);
    return true;
}

// The card's local server listens at the named pipe of its path on the bus.
bool CardConnection::connectTo(const QString &path)
{
    const std::wstring pipe = L"\\\\.\\pipe\\" + path.toStdWString();
    for (int attempt = 0; attempt < 2; ++attempt) {
        const HANDLE handle = CreateFileW(pipe.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            m_handle = reinterpret_cast<qintptr>(handle);
            return true;
        }
        // Every instance taken: the server makes the next one as it accepts.
        if (GetLastError() != ERROR_PIPE_BUSY || !WaitNamedPipeW(pipe.c_str(), busyWaitMs))
            return false;
    }
    return false;
}
