#ifndef CLIPPROMPTS_H
#define CLIPPROMPTS_H

#include <QString>

#include <functional>

class QWidget;

// The two modal questions of cutting and export: the save-file dialog and the failure box. Each sits
// behind one replaceable function, so that tests answer them instead of blocking on them.
class ClipPrompts
{
public:
    // The filter the user left chosen comes back through selectedFilter, which holds the one to
    // preselect on the way in.
    using SaveFileChooser = std::function<QString(const QString &caption, const QString &folder,
                                                  const QString &filters, QString *selectedFilter)>;
    using FailureReporter = std::function<void(const QString &title, const QString &text)>;

    // The chosen file name, empty when the dialog was cancelled.
    static QString saveFileName(const QString &caption, const QString &folder, const QString &filters,
                                QString *selectedFilter);
    static void showFailure(QWidget *parent, const QString &title, const QString &text);

    // Each installs a replacement (an empty one restores the real dialog) and returns the previous one.
    static SaveFileChooser setSaveFileChooser(SaveFileChooser chooser);
    static FailureReporter setFailureReporter(FailureReporter reporter);
};

#endif // CLIPPROMPTS_H
