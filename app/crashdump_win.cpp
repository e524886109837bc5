#include "crashdump.h"

#include "launch/win32shell.h"

#include <QDir>

void CrashDump::installHandler(const QString &path)
{
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    win32shell::installMiniDumpFilter(native.c_str());
}
