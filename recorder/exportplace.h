#ifndef EXPORTPLACE_H
#define EXPORTPLACE_H

#include <QSet>
#include <QString>

// Where an export goes: asked with the save dialog, which opens in the folder of the last export
// (the Music folder before any) with the last format chosen, and offers only the formats the tool
// can write. The choice is kept, across runs, once the export has succeeded.
class ExportPlace
{
public:
    // The chosen file, with the chosen format's suffix added when the name does not end in a
    // format's; empty when the dialog was cancelled, or when that suffix names a file the user
    // would not replace.
    QString choose(const QString &caption, const QSet<QString> &encoders);
    void rememberChoice() const;

    static QString lastFolder();
    static QString lastFormat();

private:
    static bool mayReplace(const QString &caption, const QString &path);

    QString m_chosenPath;
    QString m_chosenFormat;
};

#endif // EXPORTPLACE_H
