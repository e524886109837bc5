#ifndef VERSIONREADER_H
#define VERSIONREADER_H

#include "levelhistory.h"

#include <QObject>
#include <QString>

// Reads a version of the take, the recording or one of its cuts, into the level blocks the chart
// draws, scaled to -1..1, with the rate and length of its audio. Of reads that overlap, only the
// last one asked for is reported.
class VersionReader : public QObject
{
    Q_OBJECT

public:
    struct Version
    {
        QString path;
        bool read = false;  // false: the file could not be read, and nothing else is set
        int sampleRate = 0;
        qint64 durationMs = 0;
        LevelHistory blocks;
    };

    explicit VersionReader(QObject *parent = nullptr);
    // Waits for the reads still running: they write into what goes with this.
    ~VersionReader() override;

    // Reads the file before it returns.
    void read(const QString &path);
    // Reads the file on a thread of its own; versionRead comes through the event loop.
    void readInBackground(const QString &path);
    // Forgets the read running: its version will not be reported.
    void cancel();
    bool isReading() const { return m_reading; }

    static Version readFile(const QString &path);

signals:
    void versionRead(const VersionReader::Version &version);

private:
    void deliver(const Version &version);

    QString m_wanted;  // the path of the last read asked for
    bool m_reading = false;
};

Q_DECLARE_METATYPE(VersionReader::Version)

#endif // VERSIONREADER_H
