#ifndef RECORDERKEYS_H
#define RECORDERKEYS_H

#include <QObject>

class QAbstractButton;
class QKeySequence;
class QShortcut;
class QWidget;

// The recorder panel's keyboard: the buttons' own keys, F6 into the chart, Space to play, Ctrl+Z
// to undo, Ctrl+Shift+Z or Ctrl+Y to redo and Esc to cancel a job, and the names that tell
// assistive technology about the panel, its chart and the chart's keys.
class RecorderKeys : public QObject
{
    Q_OBJECT

public:
    RecorderKeys(QWidget *panel, QAbstractButton *record, QAbstractButton *pauseGo, QAbstractButton *save,
                 QWidget *chart);

    // While a job runs, undo and redo wait and Esc cancels it.
    void setJobRunning(bool running);
    // The names, in the current language.
    void retranslate();

signals:
    void playPressed();
    void undoPressed();
    void redoPressed();
    void cancelPressed();

private:
    QShortcut *addShortcut(const QKeySequence &keys, void (RecorderKeys::*signal)());
    void takeKeyboard();

    QWidget *m_panel;
    QWidget *m_chart;
    QShortcut *m_space;
    QShortcut *m_undo;
    QShortcut *m_redo;
    QShortcut *m_redoAlt;
    QShortcut *m_cancel;
};

#endif // RECORDERKEYS_H
