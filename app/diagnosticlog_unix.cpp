#include "diagnosticlog.h"

#include <cstdio>

void writeDebuggerOutput(const QString &line)
{
    // One write per line, so lines of different threads never interleave.
    const QByteArray text = line.toUtf8() + '\n';
    std::fwrite(text.constData(), 1, size_t(text.size()), stderr);
}
