#ifndef PROGRAMVERSION_H
#define PROGRAMVERSION_H

#include <QString>

// The program's version as the project gives it ("1.0.0.2"), compiled in once for the command line's
// --version and the window's title on systems without a version resource.
namespace ProgramVersion {
QString text();
}

#endif // PROGRAMVERSION_H
