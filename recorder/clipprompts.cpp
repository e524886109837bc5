#include "clipprompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

ClipPrompts::SaveFileChooser saveFileChooser;
ClipPrompts::FailureReporter failureReporter;

} // namespace

QString ClipPrompts::saveFileName(const QString &caption, const QString &folder, const QString &filters,
                                  QString *selectedFilter)
{
    if (saveFileChooser)
        return saveFileChooser(caption, folder, filters, selectedFilter);
    QWidget owner;
    return QFileDialog::getSaveFileName(&owner, caption, folder, filters, selectedFilter);
}

void ClipPrompts::showFailure(QWidget *parent, const QString &title, const QString &text)
{
    if (failureReporter)
        failureReporter(title, text);
    else
        QMessageBox::warning(parent, title, text);
}

ClipPrompts::SaveFileChooser ClipPrompts::setSaveFileChooser(SaveFileChooser chooser)
{
    SaveFileChooser previous = saveFileChooser;
    saveFileChooser = std::move(chooser);
    return previous;
}

ClipPrompts::FailureReporter ClipPrompts::setFailureReporter(FailureReporter reporter)
{
    FailureReporter previous = failureReporter;
    failureReporter = std::move(reporter);
    return previous;
}
