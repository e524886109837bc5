// The crash-dump filter: a real unhandled exception in a child process leaves a minidump that
// records that exception, a later crash replaces it, and the filter always lets the crash go on.
#include "launch/win32shell.h"
#include "wintest.h"

#include <dbghelp.h>

#include <cstring>
#include <vector>

namespace {

const wchar_t *const kPathVariable = L"VELORA_TEST_DUMP_PATH";
const DWORD kRaisedCode = 0xE0564C31;

std::wstring dumpPathFromEnvironment()
{
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetEnvironmentVariableW(kPathVariable, path, DWORD(sizeof path / sizeof path[0]));
    return n > 0 && n < sizeof path / sizeof path[0] ? std::wstring(path, n) : std::wstring();
}

bool fileExists(const std::wstring &path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<unsigned char> readFile(const std::wstring &path)
{
    std::vector<unsigned char> bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(GetFileSize(file, nullptr));
    DWORD got = 0;
    if (!bytes.empty() && !ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, nullptr))
        got = 0;
    bytes.resize(got);
    CloseHandle(file);
    return bytes;
}

template <typename T> bool readAt(const std::vector<unsigned char> &bytes, size_t offset, T *value)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        return false;
    std::memcpy(value, bytes.data() + offset, sizeof(T));
    return true;
}

// The exception code a minidump records, read from its exception stream; 0 when the file is no
// minidump or records no exception.
DWORD recordedExceptionCode(const std::wstring &path)
{
    const std::vector<unsigned char> bytes = readFile(path);
    MINIDUMP_HEADER header;
    if (!readAt(bytes, 0, &header) || header.Signature != 0x504D444D) // "MDMP"
        return 0;
    for (ULONG32 i = 0; i < header.NumberOfStreams; ++i) {
        MINIDUMP_DIRECTORY entry;
        if (!readAt(bytes, header.StreamDirectoryRva + i * sizeof entry, &entry))
            return 0;
        MINIDUMP_EXCEPTION_STREAM stream;
        if (entry.StreamType == ExceptionStream && readAt(bytes, entry.Location.Rva, &stream))
            return stream.ExceptionRecord.ExceptionCode;
    }
    return 0;
}

} // namespace

WT_CHILD(accessViolation)
{
    win32shell::installMiniDumpFilter(dumpPathFromEnvironment().c_str());
    *static_cast<volatile int *>(nullptr) = 1;
    return 0;
}

WT_CHILD(raisedException)
{
    win32shell::installMiniDumpFilter(dumpPathFromEnvironment().c_str());
    RaiseException(kRaisedCode, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    return 0;
}

// The data folder may be gone by the time of the crash: the filter makes it again.
WT_CASE(crashesLeaveOneDumpOfTheLaterCrash)
{
    const std::wstring folder = wintest::tempDir() + L"\\Norvane\\velora";
    const std::wstring path = folder + L"\\velora.dmp";
    SetEnvironmentVariableW(kPathVariable, path.c_str());

    WT_COMPARE(wintest::runSelf(L"--child accessViolation"), DWORD(EXCEPTION_ACCESS_VIOLATION));
    WT_CHECK(fileExists(path));
    WT_COMPARE(recordedExceptionCode(path), DWORD(EXCEPTION_ACCESS_VIOLATION));

    WT_COMPARE(wintest::runSelf(L"--child raisedException"), kRaisedCode);
    WT_COMPARE(recordedExceptionCode(path), kRaisedCode);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*.dmp").c_str(), &data);
    WT_CHECK(find != INVALID_HANDLE_VALUE);
    WT_CHECK(!FindNextFileW(find, &data));
    FindClose(find);
}

// Called the way the system calls it: a dump is written and the search for a handler goes on.
WT_CASE(filterContinuesTheSearchAfterWritingTheDump)
{
    const std::wstring path = wintest::tempDir() + L"\\velora.dmp";
    WT_CHECK(win32shell::installMiniDumpFilter(path.c_str()));
    EXCEPTION_RECORD record = {};
    record.ExceptionCode = kRaisedCode;
    CONTEXT context = {};
    RtlCaptureContext(&context);
    EXCEPTION_POINTERS pointers = {&record, &context};
    WT_COMPARE(win32shell::miniDumpFilter(&pointers), LONG(EXCEPTION_CONTINUE_SEARCH));
    WT_COMPARE(recordedExceptionCode(path), kRaisedCode);
}

WT_CASE(filterContinuesTheSearchWhenNoDumpCanBeWritten)
{
    // A folder that cannot exist: a file of that name is in the way.
    const std::wstring blocker = wintest::tempDir() + L"\\blocker";
    HANDLE file = CreateFileW(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    WT_CHECK(file != INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const std::wstring path = blocker + L"\\velora.dmp";
    WT_CHECK(win32shell::installMiniDumpFilter(path.c_str()));
    EXCEPTION_RECORD record = {};
    record.ExceptionCode = kRaisedCode;
    CONTEXT context = {};
    EXCEPTION_POINTERS pointers = {&record, &context};
    WT_COMPARE(win32shell::miniDumpFilter(&pointers), LONG(EXCEPTION_CONTINUE_SEARCH));
    WT_CHECK(!fileExists(path));

    // Paths the filter cannot hold are refused rather than cut short.
    WT_CHECK(!win32shell::installMiniDumpFilter(L""));
    WT_CHECK(!win32shell::installMiniDumpFilter(std::wstring(40000, L'x').c_str()));
}
