#include "timetext.h"

#include <QLatin1Char>
#include <QStringList>
#include <QtGlobal>

namespace {

QString padded(qint64 value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

} // namespace

double TimeText::parse(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() > 3)
        return -1;
    double seconds = 0;
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        // Only the seconds may have a fraction; hours and minutes are whole.
        const double value = i + 1 == parts.size() ? parts[i].toDouble(&ok) : parts[i].toUInt(&ok);
        if (!ok || value < 0 || (i > 0 && value >= 60))
            return -1;
        seconds = seconds * 60 + value;
    }
    return seconds;
}

QString TimeText::of(qint64 ms, int parts)
{
    ms = qMax<qint64>(0, ms);
    const qint64 seconds = ms / 1000;
    QString text = (parts & Hours) ? QStringLiteral("%1:%2").arg(seconds / 3600).arg(padded(seconds / 60 % 60, 2))
                                   : QString::number(seconds / 60);
    text += QLatin1Char(':') + padded(seconds % 60, 2);
    if (parts & Milliseconds)
        text += QLatin1Char('.') + padded(ms % 1000, 3);
    return text;
}
