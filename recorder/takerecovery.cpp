#include "takerecovery.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr int HeaderBytes = 44;

struct Header
{
    quint32 riffSize;
    quint16 blockAlign;
    quint32 dataSize;
};

// The header the recorder writes: RIFF, WAVE, a 16-byte PCM "fmt " chunk of 16-bit samples, then "data".
bool readOwnHeader(QFile &file, Header *header)
{
    const QByteArray h = file.read(HeaderBytes);
    if (h.size() != HeaderBytes || !h.startsWith("RIFF") || h.mid(8, 8) != "WAVEfmt " || h.mid(36, 4) != "data")
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(h.constData());
    const bool pcm16 = qFromLittleEndian<quint32>(bytes + 16) == 16 && qFromLittleEndian<quint16>(bytes + 20) == 1
        && qFromLittleEndian<quint16>(bytes + 34) == 16;
    header->riffSize = qFromLittleEndian<quint32>(bytes + 4);
    header->blockAlign = qFromLittleEndian<quint16>(bytes + 32);
    header->dataSize = qFromLittleEndian<quint32>(bytes + 40);
    return pcm16 && header->blockAlign > 0;
}

// Whether the bytes from `offset` to the end of the file are whole chunks (another editor adds a
// LIST chunk after the audio, say): each an id of four printable characters and a size that, padded
// to an even length, reaches no further than the file; the last one ends with it, its pad byte may
// be missing. A take cut short has audio up to its end instead.
bool wholeChunksFrom(QFile &file, qint64 offset)
{
    const qint64 end = file.size();
    while (offset < end) {
        const QByteArray h = file.seek(offset) ? file.read(8) : QByteArray();
        if (h.size() != 8 || !std::all_of(h.begin(), h.begin() + 4, [](char c) { return c >= 0x20 && c <= 0x7E; }))
            return false;
        const quint32 size = qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(h.constData()) + 4);
        offset += 8 + qint64(size) + (size & 1);
    }
    return offset <= end + 1;
}

// A finished take: all the audio its header claims is in the file, and nothing but whole chunks after it.
bool isComplete(QFile &file, const Header &header)
{
    const qint64 afterData = HeaderBytes + qint64(header.dataSize) + (header.dataSize & 1);
    return qint64(header.dataSize) <= file.size() - HeaderBytes && wholeChunksFrom(file, afterData);
}

bool writeSize(QFile &file, qint64 offset, quint32 value)
{
    uchar bytes[4];
    qToLittleEndian(value, bytes);
    return file.seek(offset) && file.write(reinterpret_cast<const char *>(bytes), 4) == 4;
}

} // namespace

QVector<TakeRecovery::Take> TakeRecovery::repair(const QStringList &folders)
{
    const QRegularExpression takeName(QStringLiteral("\\Aclip_[0-9]{4,}\\.wav\\z"));
    QVector<Take> repaired;
    for (const QString &folder : folders) {
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("clip_*.wav")}, QDir::Files | QDir::NoSymLinks);
        for (const QFileInfo &file : files) {
            qint64 dataBytes = 0;
            if (takeName.match(file.fileName()).hasMatch() && repairFile(file.filePath(), &dataBytes))
                repaired.append({file.filePath(), dataBytes, file.lastModified()});
        }
    }
    std::sort(repaired.begin(), repaired.end(), [](const Take &a, const Take &b) { return a.recorded > b.recorded; });
    return repaired;
}

bool TakeRecovery::repairFile(const QString &path, qint64 *dataBytes)
{
    QFile file(path);
    Header header = {};
    if (!file.open(QIODevice::ReadWrite) || !readOwnHeader(file, &header))
        return false;
    if (isComplete(file, header))
        return false;
    const qint64 audio = (file.size() - HeaderBytes) / header.blockAlign * header.blockAlign;
    // A WAV file cannot say more than 4 GiB; the sizes stop there.
    const auto data = quint32(qMin<qint64>(audio, 0xFFFFFFFFll - (HeaderBytes - 8)));
    if (header.dataSize == data && header.riffSize == data + HeaderBytes - 8)
        return false;
    // The file keeps the time its audio was last written: the header says nothing new about it.
    const QDateTime recorded = file.fileTime(QFileDevice::FileModificationTime);
    const bool written = writeSize(file, 4, data + HeaderBytes - 8) && writeSize(file, 40, data) && file.flush()
        && file.setFileTime(recorded, QFileDevice::FileModificationTime);
    if (written) {
        qDebug().noquote() << QStringLiteral("***take repaired: %1, %2 bytes of audio (the header said %3)")
                                  .arg(path).arg(data).arg(header.dataSize);
    }
    if (dataBytes)
        *dataBytes = data;
    return written;
}
