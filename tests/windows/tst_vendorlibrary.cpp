// The vendor library binding against real DLLs: the Windows build of the stand-in library under the
// vendor library's name, and copies of it that each lack one entry point.
#include "device/vendorlibrary.h"
#include "virtualcard/cardcodes.h"
#include "wintest.h"

#include <string>

namespace {

const wchar_t *const kLibraryVariable = L"VELORA_TEST_LIBRARY";
const int kNotFullyLoaded = 200;

std::u16string u16(const std::wstring &w)
{
    return std::u16string(w.begin(), w.end());
}

// A build of the stand-in in its own folder below the test program, under the vendor library's name.
std::wstring variant(const wchar_t *folder)
{
    return wintest::selfDir() + L"\\" + folder + L"\\DLL3S_UsbAudio16xx_x32.dll";
}

std::string readChildString(HANDLE process, const OUTPUT_DEBUG_STRING_INFO &info)
{
    const size_t unit = info.fUnicode ? sizeof(wchar_t) : 1;
    std::string bytes(size_t(info.nDebugStringLength) * unit, '\0');
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, info.lpDebugStringData, &bytes[0], bytes.size(), &got))
        return std::string();
    bytes.resize(got);
    if (!info.fUnicode)
        return std::string(bytes.c_str());
    return wintest::narrow(std::wstring(reinterpret_cast<const wchar_t *>(bytes.data())));
}

struct Debugged
{
    DWORD exitCode = STILL_ACTIVE;
    std::string output; // everything the child wrote to the debugger
};

// Runs this program again as a debugger would, collecting what it sends to the debugger output.
Debugged runSelfUnderDebugger(const std::wstring &args)
{
    const PROCESS_INFORMATION process = wintest::startSelf(args, DEBUG_ONLY_THIS_PROCESS);
    Debugged result;
    for (bool running = true; running;) {
        DEBUG_EVENT event;
        if (!WaitForDebugEvent(&event, 60000)) {
            TerminateProcess(process.hProcess, 1);
            wintest::fail(__FILE__, __LINE__, "the debugged child did not finish in time");
        }
        DWORD continuation = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
        case OUTPUT_DEBUG_STRING_EVENT:
            result.output += readChildString(process.hProcess, event.u.DebugString);
            break;
        case EXCEPTION_DEBUG_EVENT:
            if (event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT)
                continuation = DBG_EXCEPTION_NOT_HANDLED;
            break;
        case CREATE_PROCESS_DEBUG_EVENT:
            CloseHandle(event.u.CreateProcessInfo.hFile);
            break;
        case LOAD_DLL_DEBUG_EVENT:
            CloseHandle(event.u.LoadDll.hFile);
            break;
        case EXIT_PROCESS_DEBUG_EVENT:
            result.exitCode = event.u.ExitProcess.dwExitCode;
            running = false;
            break;
        default:
            break;
        }
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, continuation);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

size_t occurrences(const std::string &text, const std::string &part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

// Loads the library named in the environment; exits with the binding's code, or kNotFullyLoaded when
// the binding reports success without a complete table, or a table after a failure.
WT_CHILD(loadLibrary)
{
    wchar_t path[MAX_PATH * 2] = {};
    GetEnvironmentVariableW(kLibraryVariable, path, MAX_PATH * 2);
    const int code = VendorLibrary::loadVendorLibrary(u16(path));
    return (code == 0) == (VendorLibrary::calls() != nullptr) ? code : kNotFullyLoaded;
}

// The program's own name, found by the system's search in the program's folder; every called entry
// point then reaches the DLL, which has no card to offer on Windows.
WT_CASE(loadsTheLibraryBesideTheProgramAndCallsIntoIt)
{
    WT_CHECK(VendorLibrary::fileName() == u"DLL3S_UsbAudio16xx_x32.dll");
    WT_COMPARE(VendorLibrary::loadVendorLibrary(VendorLibrary::fileName()), 0);
    const VendorCalls *calls = VendorLibrary::calls();
    WT_CHECK(calls != nullptr);
    unsigned char info[4], a = 0, b = 0, modes[4] = {}, value = 0, block[8] = {};
    const int noCard = CardProtocol::NoCard;
    WT_COMPARE(calls->getChipInformation(0x0C76, 0x1000, info, &a, &b), noCard);
    WT_COMPARE(calls->setGpioMode(0x0C76, 0x1000, modes, 4, 1), noCard);
    WT_COMPARE(calls->configFastI2C(0x0C76, 0x1000, 1), noCard);
    WT_COMPARE(calls->getGpioEx(0x0C76, 0x1000, 2, &value, 1), noCard);
    WT_COMPARE(calls->setGpioEx(0x0C76, 0x1000, 0, 0, 1), noCard);
    WT_COMPARE(calls->fastReadI2C(0x0C76, 0x1000, 0x53, 0xF0, 0, block, 8, 3000, 100, 6), noCard);
    WT_COMPARE(calls->fastWriteI2C(0x0C76, 0x1000, 0x52, 0xF0, 0, block, 8, 3000, 0, 6), noCard);
    WT_COMPARE(calls->releaseHidDevice(0x0C76, 0x1000, 1), noCard);
}

// A failed load leaves no table behind, even after an earlier load succeeded.
WT_CASE(missingLibraryGivesOne)
{
    WT_COMPARE(VendorLibrary::loadVendorLibrary(u16(variant(L"complete"))), 0);
    WT_COMPARE(VendorLibrary::loadVendorLibrary(u"velora-no-such-library.dll"), 1);
    WT_CHECK(VendorLibrary::calls() == nullptr);
    WT_COMPARE(VendorLibrary::loadVendorLibrary(u16(wintest::selfDir() + L"\\no such folder\\x.dll")), 1);
}

// The first missing name stops the binding: 1 + its position, and its name to the debugger output.
WT_CASE(missingNameGivesOnePlusItsPosition)
{
    struct Row
    {
        const wchar_t *folder;
        DWORD expected;
        const char *name;
    };
    const Row rows[] = {
        {L"lacking-first", 2, "DLL3S_DumpDevices_Debug"},
        {L"lacking-chipinformation", 5, "DLL3S_GetChipInformation"},
        {L"lacking-last", 150, "DLL3S_TwoByte_I2C_Read_ById"},
    };
    for (const Row &row : rows) {
        SetEnvironmentVariableW(kLibraryVariable, variant(row.folder).c_str());
        const Debugged child = runSelfUnderDebugger(L"--child loadLibrary");
        WT_COMPARE(child.exitCode, row.expected);
        WT_COMPARE(occurrences(child.output, std::string("***** ") + row.name + " *****\n"), size_t(1));
        WT_COMPARE(occurrences(child.output, "*****"), size_t(2));
    }
}
