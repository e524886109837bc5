/* ffmpeg.exe for the scenario under wine: hands its arguments to this machine's ffmpeg and answers
 * with its output and exit code, so that the program's own job code runs as it would with the real
 * one. Wine starts a Unix program without a process handle or pipes, which the job needs; so the
 * request goes through a spool folder (VELORA_FFMPEG_SPOOL, a Windows path) that a Unix loop serves:
 * <id>.args holds the arguments (paths on a drive letter turned into this machine's), NUL-separated
 * UTF-8; the loop leaves <id>.out, <id>.err and, last, <id>.code. */
#include <windows.h>

#include <shellapi.h>
#include <stdio.h>
#include <wchar.h>

typedef char *(CDECL *UnixFileName)(LPCWSTR);

static void writeUtf8(HANDLE file, const wchar_t *text)
{
    char bytes[4 * MAX_PATH * 4];
    int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, NULL, NULL);
    DWORD written;
    if (size > 0)
        WriteFile(file, bytes, (DWORD)size, &written, NULL); /* with its NUL */
}

static int isDrivePath(const wchar_t *arg)
{
    return iswalpha(arg[0]) && arg[1] == L':' && (arg[2] == L'\\' || arg[2] == L'/');
}

static void copyTo(const wchar_t *path, HANDLE target)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    char buffer[4096];
    DWORD got, written;
    if (file == INVALID_HANDLE_VALUE)
        return;
    while (ReadFile(file, buffer, sizeof buffer, &got, NULL) && got > 0)
        WriteFile(target, buffer, got, &written, NULL);
    CloseHandle(file);
}

int main(void)
{
    wchar_t spool[MAX_PATH], path[MAX_PATH], ready[MAX_PATH];
    int count = 0, i;
    wchar_t **args = CommandLineToArgvW(GetCommandLineW(), &count);
    UnixFileName unixName = (UnixFileName)GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name");
    DWORD id = GetCurrentProcessId(), code = 1;
    if (!GetEnvironmentVariableW(L"VELORA_FFMPEG_SPOOL", spool, MAX_PATH) || !unixName || !args)
        return 127;

    swprintf(path, MAX_PATH, L"%ls\\%lu.part", spool, id);
    HANDLE request = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (request == INVALID_HANDLE_VALUE)
        return 126;
    for (i = 1; i < count; ++i) {
        char *name = isDrivePath(args[i]) ? unixName(args[i]) : NULL;
        DWORD written;
        if (name)
            WriteFile(request, name, (DWORD)strlen(name) + 1, &written, NULL);
        else
            writeUtf8(request, args[i]);
    }
    CloseHandle(request);
    swprintf(ready, MAX_PATH, L"%ls\\%lu.args", spool, id);
    MoveFileW(path, ready);

    swprintf(path, MAX_PATH, L"%ls\\%lu.code", spool, id);
    for (;;) {
        FILE *answer = _wfopen(path, L"r");
        if (answer) {
            unsigned long value = 1;
            fscanf(answer, "%lu", &value);
            fclose(answer);
            code = value;
            break;
        }
        Sleep(50);
    }
    DeleteFileW(path);
    swprintf(path, MAX_PATH, L"%ls\\%lu.out", spool, id);
    copyTo(path, GetStdHandle(STD_OUTPUT_HANDLE));
    DeleteFileW(path);
    swprintf(path, MAX_PATH, L"%ls\\%lu.err", spool, id);
    copyTo(path, GetStdHandle(STD_ERROR_HANDLE));
    DeleteFileW(path);
    return (int)code;
}
