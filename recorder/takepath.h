#ifndef TAKEPATH_H
#define TAKEPATH_H

#include <QString>
#include <QUrl>

// The local file path of a take from the location the recorder reports for it. Backends report
// it in different shapes: a file: URL, a plain path without a scheme, a Windows path with a "/"
// ahead of the drive letter ("/C:/..."), or a bare drive path ("C:/...", which a URL parses as a
// one-letter scheme). Empty when the location is empty or not a local file.
QString takeLocalPath(const QUrl &location);

#endif // TAKEPATH_H
