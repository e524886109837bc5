#ifndef PRESETFILEDIALOG_H
#define PRESETFILEDIALOG_H

#include <QObject>
#include <QString>

#include <functional>

// The file dialogs of the preset panel's Import and Export ("PresetFiles" in the scene). Each answers
// the chosen path, empty when the user cancelled. Tests replace the dialog with setChooser, so that
// no modal dialog waits for a hand.
class PresetFileDialog : public QObject
{
    Q_OBJECT
public:
    using Chooser = std::function<QString(bool save, const QString &suggested)>;

    explicit PresetFileDialog(QWidget *window);
    static void setChooser(Chooser chooser);

    Q_INVOKABLE QString openPath();
    Q_INVOKABLE QString savePath(const QString &suggested);

private:
    QString choose(bool save, const QString &suggested);

    QWidget *m_window;
};

#endif // PRESETFILEDIALOG_H
