#ifndef TAKERECOVERY_H
#define TAKERECOVERY_H

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// Takes cut short (the program killed or crashed, the power gone, the disk full) keep the header the
// recorder wrote when they started, which claims a length the file does not have. This finds such
// takes in the folders the recorder writes into and gives them the header of the audio they hold.
// Only the recorder's own takes are touched: files named as it names them ("clip_0001.wav") whose
// header is the canonical 16-bit PCM one it writes.
class TakeRecovery
{
public:
    struct Take
    {
        QString path;
        qint64 dataBytes;
        QDateTime recorded;  // when the take was last written to
    };

    // Repairs every take in the folders that was cut short; newest first.
    static QVector<Take> repair(const QStringList &folders);
    // Repairs one file when it is one of the recorder's takes and was cut short: its header claims
    // more audio than the file holds, or audio follows what it claims. A finished take, chunks after
    // its audio included, is left alone. The sizes count whole frames, and nothing of the file is
    // removed.
    static bool repairFile(const QString &path, qint64 *dataBytes = nullptr);
};

#endif // TAKERECOVERY_H
