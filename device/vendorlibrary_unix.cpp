#include "vendorlibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <dlfcn.h>

namespace {

// Where the stand-in library is looked for, in order: beside the executable (an installed program),
// the build folder (tests and benchmarks run from folders below it), then the system's search.
QStringList candidates(const QString &name)
{
    if (name.contains(QLatin1Char('/')))
        return {name};
    const QString exeFolder = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).path();
    return {QDir(exeFolder).filePath(name), QDir(QStringLiteral(VELORA_BUILD_FOLDER)).filePath(name), name};
}

} // namespace

std::u16string VendorLibrary::platformFileName()
{
    return u"libvelora-vendorlib.so";
}

void *VendorLibrary::openLibrary(const std::u16string &fileName)
{
    for (const QString &candidate : candidates(QString::fromStdU16String(fileName))) {
        if (void *library = dlopen(QFile::encodeName(candidate).constData(), RTLD_NOW | RTLD_LOCAL))
            return library;
    }
    return nullptr;
}

void *VendorLibrary::resolve(void *library, const char *name)
{
    return dlsym(library, name);
}

void VendorLibrary::debugOutput(const std::string &line)
{
    std::fputs(line.c_str(), stderr);
}
