#ifndef DIAGNOSTICLOG_H
#define DIAGNOSTICLOG_H

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// Every message of every thread goes to one HTML page per clock hour in the data folder's log directory.
void installLog(const QString &dirName, int maxFiles, bool keepOpen);

// Keeps the hour's page open between messages; the program's normal handler.
void keepOpenHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);
// Opens and closes the page for every message.
void perMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &msg);

// The fixed HTML text every new page starts with.
QString logPageHeader();
// The log directory set by installLog (empty before).
QString logDirectory();

// Source of "now" for the handlers; tests move it across hour boundaries. Null restores the real clock.
using LogClock = QDateTime (*)();
void setLogClock(LogClock clock);

// Copies one plain line to where a developer watches: the debugger on Windows, stderr elsewhere.
void writeDebuggerOutput(const QString &line);

#endif
