#ifndef AUDIOFILES_H
#define AUDIOFILES_H

// Helpers for the tests of cutting and export: takes made with sox, and what the real tools read back
// from a file (its samples, its codec, its duration).

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVector>

namespace audiofiles {

constexpr int Rate = 44100;
constexpr int Channels = 2;

inline QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

// A stereo 16-bit take of white noise, so that any misplaced sample shows.
inline bool makeTake(const QString &path, double seconds)
{
    QProcess sox;
    sox.start("sox", {"-R", "-n", "-r", QString::number(Rate), "-c", QString::number(Channels), "-b", "16",
                      path, "synth", QString::number(seconds), "whitenoise", "vol", "0.5"});
    return sox.waitForFinished(60000) && sox.exitStatus() == QProcess::NormalExit && sox.exitCode() == 0;
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Interleaved 16-bit samples as the decoder reads them.
inline QVector<qint16> samples(const QString &path)
{
    const QByteArray raw = runTool("ffmpeg", {"-nostdin", "-loglevel", "error", "-i", path, "-f", "s16le", "-"});
    QVector<qint16> out(raw.size() / 2);
    memcpy(out.data(), raw.constData(), size_t(out.size()) * 2);
    return out;
}

inline QString probe(const QString &path, const QString &entry)
{
    return QString::fromUtf8(runTool("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries", entry,
                                                 "-of", "default=noprint_wrappers=1:nokey=1", path}))
        .trimmed();
}

inline QString codecOf(const QString &path)
{
    return probe(path, "stream=codec_name");
}

inline double durationOf(const QString &path)
{
    bool ok = false;
    const double seconds = probe(path, "format=duration").toDouble(&ok);
    return ok ? seconds : -1.0;
}

// A stand-in "ffmpeg" that runs a shell script, found ahead of the real one on the search path
// until restore() or the end of its life.
class StandInTool
{
public:
    explicit StandInTool(const QByteArray &script) : m_path(qgetenv("PATH"))
    {
        QFile tool(m_folder.filePath("ffmpeg"));
        m_valid = tool.open(QIODevice::WriteOnly) && tool.write("#!/bin/sh\n" + script) > 0;
        tool.close();
        m_valid = m_valid && tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", m_folder.path().toLocal8Bit() + ":" + m_path);
    }
    ~StandInTool() { restore(); }
    StandInTool(const StandInTool &) = delete;
    StandInTool &operator=(const StandInTool &) = delete;

    bool isValid() const { return m_valid; }
    void restore() { qputenv("PATH", m_path); }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
    bool m_valid = false;
};

} // namespace audiofiles

#endif // AUDIOFILES_H
