#ifndef SOURCEINPUTNAME_H
#define SOURCEINPUTNAME_H

#include <QRegularExpression>
#include <QString>

// How the recorder's backend on Linux reaches a sound-server source: through the ALSA PCM of the
// server's plugin, named after the source ("alsa:pulse:DEVICE=<source>"). The card's own input and
// the inputs the panel lists are named alike, so that the card's is recognised among them. Empty
// when the name cannot be passed on.
inline QString inputNameForSource(const QString &source)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._-]+$"));
    static const QRegularExpression unquotable(QStringLiteral("[\"\\\\\\x00-\\x1f]"));
    if (plain.match(source).hasMatch())
        return QStringLiteral("alsa:pulse:DEVICE=") + source;
    // Other characters would end the PCM's argument: the name goes in quotes, which it must not hold.
    if (source.isEmpty() || unquotable.match(source).hasMatch())
        return QString();
    return QStringLiteral("alsa:pulse:DEVICE=\"%1\"").arg(source);
}

#endif // SOURCEINPUTNAME_H
