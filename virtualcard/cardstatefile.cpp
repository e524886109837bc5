#include "cardstatefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr int blockSize = 8;
}

CardStateFile::CardStateFile(const QString &path)
    : m_path(path)
{
}

bool CardStateFile::load(const QByteArray &fallback, QByteArray *block, QString *error) const
{
    QFile file(m_path);
    if (!file.exists()) {
        *block = fallback;
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the state file %1: %2").arg(m_path, file.errorString());
        return false;
    }
    const QList<QByteArray> words = file.read(256).trimmed().split(' ');
    bool valid = words.size() == blockSize;
    block->clear();
    for (const QByteArray &word : words) {
        bool hexOk = false;
        block->append(static_cast<char>(word.toInt(&hexOk, 16)));
        valid = valid && hexOk && word.size() == 2;
    }
    if (!valid) {
        *error = QStringLiteral("the state file %1 does not hold a parameter block of 8 hex bytes").arg(m_path);
        return false;
    }
    return true;
}

// The file stays open and each block overwrites the last in place: a line of fixed size written in one
// call, so a card killed at any moment leaves either block whole. Neither a rename nor a sync to disk:
// the card must survive its own process ending, not the machine's, and a write transfer should not
// wait on the disk.
bool CardStateFile::save(const QByteArray &block, QString *error)
{
    const QByteArray line = block.toHex(' ').toUpper() + '\n';
    if (!m_file.isOpen()) {
        QDir().mkpath(QFileInfo(m_path).path());
        m_file.setFileName(m_path);
        if (m_file.open(QIODevice::ReadWrite) && m_file.size() != line.size())
            m_file.resize(line.size());
    }
    if (m_file.isOpen() && m_file.seek(0) && m_file.write(line) == line.size() && m_file.flush())
        return true;
    *error = QStringLiteral("cannot write the state file %1: %2").arg(m_path, m_file.errorString());
    m_file.close();
    return false;
}
