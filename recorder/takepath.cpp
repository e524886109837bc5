#include "takepath.h"

#include <QRegularExpression>

namespace {

bool isDriveLetter(const QString &scheme)
{
    return scheme.size() == 1 && scheme.at(0).isLetter();
}

} // namespace

QString takeLocalPath(const QUrl &location)
{
    if (location.isLocalFile())
        return location.toLocalFile();
    if (isDriveLetter(location.scheme()))
        return location.toString(QUrl::PreferLocalFile);
    if (!location.scheme().isEmpty())
        return QString();
    const QString path = location.path(QUrl::FullyDecoded);
    static const QRegularExpression slashBeforeDrive(QStringLiteral("^/[A-Za-z]:([/\\\\]|$)"));
    return slashBeforeDrive.match(path).hasMatch() ? path.mid(1) : path;
}
