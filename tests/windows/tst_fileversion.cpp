// The version reader that getSoftVersion() uses, against real version resources.
#include "launch/win32shell.h"
#include "wintest.h"

namespace {

// The version functions take paths in the local 8-bit code page, as the program hands them over.
std::string localPath(const std::wstring &path)
{
    const int n = WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s(size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, &s[0], n, nullptr, nullptr);
    s.resize(size_t(n - 1));
    return s;
}

std::string besideMe(const wchar_t *name)
{
    return localPath(wintest::selfDir() + L"\\" + name);
}

// The version text, or "(none)" when the reader reports that there is none.
std::string versionOf(const std::string &path)
{
    char text[64] = {};
    return win32shell::readFileVersion(path.c_str(), text, sizeof text) ? std::string(text) : std::string("(none)");
}

} // namespace

// This program carries the resource generated from the project version, like the real executable.
WT_CASE(readsTheProjectVersionFromItsOwnResource)
{
    WT_COMPARE(versionOf(localPath(wintest::selfPath())), std::string(VELORA_PROJECT_VERSION));
    WT_COMPARE(std::string(VELORA_PROJECT_VERSION), std::string("1.0.0.2"));
}

// Each of the four numbers is a 16-bit half of a double word: none may be cut to a byte or swapped.
WT_CASE(readsEveryNumberAsAFullWordInOrder)
{
    WT_COMPARE(versionOf(besideMe(L"wideversion.dll")), std::string("65535.1.300.4097"));
}

WT_CASE(reportsNoVersionWithoutAResource)
{
    WT_COMPARE(versionOf(besideMe(L"noversion.dll")), std::string("(none)"));
    WT_COMPARE(versionOf(besideMe(L"no such file.exe")), std::string("(none)"));
    WT_COMPARE(versionOf(""), std::string("(none)"));
}
