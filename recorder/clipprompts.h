#ifndef CLIPPROMPTS_H
#define CLIPPROMPTS_H

#include <QString>

#include <functional>

class QWidget;

// The modal questions of cutting and export: the save-file dialog, the failure box and a yes-or-no
// question. Each sits behind one replaceable function, so that tests answer them instead of blocking
// on them.
class ClipPrompts
{
public:
    // The filter the user left chosen comes back through selectedFilter, which holds the one to
    // preselect on the way in.
    using SaveFileChooser = std::function<QString(const QString &caption, const QString &folder,
                                                  const QString &filters, QString *selectedFilter)>;
    using FailureReporter = std::function<void(const QString &title, const QString &text)>;
    using Question = std::function<bool(const QString &title, const QString &text)>;

    // The chosen file name, empty when the dialog was cancelled.
    static QString saveFileName(const QString &caption, const QString &folder, const QString &filters,
                                QString *selectedFilter);
    static void showFailure(QWidget *parent, const QString &title, const QString &text);
    // A yes-or-no question whose answer is no unless the user says yes.
    static bool confirm(const QString &title, const QString &text);

    // Each installs a replacement (an empty one restores the real dialog) and returns the previous one.
    static SaveFileChooser setSaveFileChooser(SaveFileChooser chooser);
    static FailureReporter setFailureReporter(FailureReporter reporter);
    static Question setQuestion(Question question);
};

#endif // CLIPPROMPTS_H
