#include "timetext.h"

#include <QLatin1Char>
#include <QtGlobal>

namespace {

QString padded(qint64 value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 10, QLatin1Char('0'));
}

} // namespace

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
