#include "exportplace.h"

#include "clipprompts.h"
#include "exportformats.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString FolderKey = QStringLiteral("Recorder/ExportFolder");
const QString FormatKey = QStringLiteral("Recorder/ExportFormat");

} // namespace

QString ExportPlace::choose(const QString &caption, const QSet<QString> &encoders)
{
    const QStringList filters = ExportFormats::filters(encoders);
    QString filter = ExportFormats::filterFor(filters, lastFormat());
    const QString path = ClipPrompts::saveFileName(caption, lastFolder(), filters.join(QStringLiteral(";;")), &filter);
    m_chosenPath = ExportFormats::withSuffix(path, filter);
    m_chosenFormat = ExportFormats::suffixOf(filter);
    // The dialog asked about replacing the name as typed; the suffix added since names another file.
    if (m_chosenPath != path && QFileInfo::exists(m_chosenPath) && !mayReplace(caption, m_chosenPath))
        m_chosenPath.clear();
    return m_chosenPath;
}

bool ExportPlace::mayReplace(const QString &caption, const QString &path)
{
    return ClipPrompts::confirm(
        caption, QCoreApplication::translate("ExportPlace", "%1 已经存在。\n要替换它吗？").arg(QDir::toNativeSeparators(path)));
}

void ExportPlace::rememberChoice() const
{
    if (m_chosenPath.isEmpty())
        return;
    QSettings settings;
    settings.setValue(FolderKey, QFileInfo(m_chosenPath).absolutePath());
    settings.setValue(FormatKey, m_chosenFormat);
}

QString ExportPlace::lastFolder()
{
    const QString folder = QSettings().value(FolderKey).toString();
    if (!folder.isEmpty() && QDir(folder).exists())
        return folder;
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
}

QString ExportPlace::lastFormat()
{
    return QSettings().value(FormatKey, QStringLiteral("mp3")).toString();
}
