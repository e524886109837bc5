#ifndef CARDSTATEFILE_H
#define CARDSTATEFILE_H

#include <QByteArray>
#include <QFile>
#include <QString>

// Keeps a virtual card's parameter block across unplugging and restarts, as the card's own memory
// would: one line of 8 hex bytes ("00 00 00 21 1D 23 1C 11").
class CardStateFile
{
public:
    explicit CardStateFile(const QString &path);

    QString path() const { return m_path; }

    // The kept block; `fallback` when there is no file yet. False with a message when the file
    // exists but cannot be read or is not a block: the card then refuses to start rather than
    // overwrite it.
    bool load(const QByteArray &fallback, QByteArray *block, QString *error) const;
    bool save(const QByteArray &block, QString *error);

private:
    QString m_path;
    QFile m_file;
};

#endif // CARDSTATEFILE_H
