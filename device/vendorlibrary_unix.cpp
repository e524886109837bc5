#include "vendorlibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <dlfcn.h>

namespace {

// Where the stand-in library is looked for, in order: beside the executable (the build folder), the
// program's own library folder beside its bin folder (an installed program), the folder named by
// VELORA_VENDORLIB_DIR (tests and benchmarks, which run from folders of their own), then the system's
// search.
QStringList candidates(const QString &name)
{
    if (name.contains(QLatin1Char('/')))
        return {name};
    const QDir exeFolder(QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).path());
    QStringList paths = {exeFolder.filePath(name), exeFolder.filePath(QStringLiteral("../lib/velora/") + name)};
    const QString variable = qEnvironmentVariable("VELORA_VENDORLIB_DIR");
    if (!variable.isEmpty())
        paths.append(QDir(variable).filePath(name));
    paths.append(name);
    return paths;
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
