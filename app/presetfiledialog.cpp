#include "presetfiledialog.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace {

PresetFileDialog::Chooser &chooser()
{
    static PresetFileDialog::Chooser replaced;
    return replaced;
}

} // namespace

PresetFileDialog::PresetFileDialog(QWidget *window) : QObject(window), m_window(window) {}

void PresetFileDialog::setChooser(Chooser replacement)
{
    chooser() = std::move(replacement);
}

QString PresetFileDialog::openPath()
{
    return choose(false, {});
}

QString PresetFileDialog::savePath(const QString &suggested)
{
    return choose(true, suggested);
}

QString PresetFileDialog::choose(bool save, const QString &suggested)
{
    if (chooser())
        return chooser()(save, suggested);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (save)
        return QFileDialog::getSaveFileName(m_window, tr("导出预设"), folder + QLatin1Char('/') + suggested,
                                            tr("Velora 预设 (*.json)"));
    return QFileDialog::getOpenFileName(m_window, tr("导入预设"), folder,
                                        tr("预设或均衡器文本 (*.json *.txt);;所有文件 (*)"));
}
