#include "versionreader.h"

#include "wavefile.h"

#include <QThread>

#include <memory>

VersionReader::VersionReader(QObject *parent) : QObject(parent)
{
}

VersionReader::~VersionReader()
{
    for (QThread *thread : findChildren<QThread *>(QString(), Qt::FindDirectChildrenOnly))
        thread->wait();
}

void VersionReader::read(const QString &path)
{
    m_wanted = path;
    deliver(readFile(path));
}

void VersionReader::readInBackground(const QString &path)
{
    m_wanted = path;
    m_reading = true;
    auto version = std::make_shared<Version>();
    QThread *thread = QThread::create([path, version] { *version = readFile(path); });
    thread->setParent(this);
    connect(thread, &QThread::finished, this, [this, thread, version] {
        thread->deleteLater();
        deliver(*version);
    });
    thread->start();
}

void VersionReader::cancel()
{
    m_wanted.clear();
    m_reading = false;
}

void VersionReader::deliver(const Version &version)
{
    if (version.path != m_wanted)
        return;
    m_reading = false;
    emit versionRead(version);
}

VersionReader::Version VersionReader::readFile(const QString &path)
{
    Version version;
    version.path = path;
    WaveFile reader;
    QObject::connect(&reader, &WaveFile::s_waveformData, [&version](QVector<qreal> &block) {
        for (qreal &level : block)
            level /= 0x7fff;
        version.blocks.append(block);
    });
    version.read = reader.readWaveFile(path);
    if (version.read) {
        version.sampleRate = int(reader.header().sampleRate);
        version.durationMs = reader.durationMs();
    }
    return version;
}
