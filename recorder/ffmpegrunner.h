#ifndef FFMPEGRUNNER_H
#define FFMPEGRUNNER_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Runs the external encoder to its end and judges the result: a run succeeds only when the tool
// exits with 0 and the output file (the last argument) exists and is not empty.
class FfmpegRunner
{
    Q_DECLARE_TR_FUNCTIONS(FfmpegRunner)

public:
    // Blocks until the tool has finished. On failure errorString() says why.
    bool run(const QStringList &arguments);

    // The tool's last error line, or what kept it from running at all.
    QString errorString() const { return m_error; }
    bool toolMissing() const { return m_toolMissing; }

    // Where the tool would be started from; empty when it cannot be found.
    static QString programPath();
    static QString programName();

private:
    bool fail(const QString &error);
    static QString lastLine(const QByteArray &output);

    QString m_error;
    bool m_toolMissing = false;
};

#endif // FFMPEGRUNNER_H
