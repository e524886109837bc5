#include "cardstatefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool CardStateFile::save(const QByteArray &block, QString *error) const
{
    QDir().mkpath(QFileInfo(m_path).path());
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(block.toHex(' ').toUpper() + '\n') > 0 && file.commit())
        return true;
    *error = QStringLiteral("cannot write the state file %1: %2").arg(m_path, file.errorString());
    return false;
}
