#include "clipprompts.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

ClipPrompts::SaveFileChooser saveFileChooser;
ClipPrompts::FailureReporter failureReporter;
ClipPrompts::Question question;

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

bool ClipPrompts::confirm(const QString &title, const QString &text)
{
    if (question)
        return question(title, text);
    return QMessageBox::question(nullptr, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
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

ClipPrompts::Question ClipPrompts::setQuestion(Question replacement)
{
    Question previous = question;
    question = std::move(replacement);
    return previous;
}
