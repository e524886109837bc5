#include "recorderkeys.h"

#include "buttonkeys.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QShortcut>

// Keys of the buttons' own; each works while its button is shown and enabled. F6 brings the
// keyboard from the scene above into the panel, where Tab then walks its controls.
RecorderKeys::RecorderKeys(QWidget *panel, QAbstractButton *record, QAbstractButton *pauseGo,
                           QAbstractButton *save, QWidget *chart)
    : QObject(panel), m_panel(panel), m_chart(chart)
{
    m_space = addShortcut(QKeySequence(Qt::Key_Space), &RecorderKeys::playPressed);
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_R), record, SLOT(click()));
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_P), pauseGo, SLOT(click()));
    new QShortcut(QKeySequence(Qt::CTRL + Qt::Key_S), save, SLOT(click()));
    connect(new QShortcut(QKeySequence(Qt::Key_F6), chart), &QShortcut::activated, chart,
            [chart] { chart->setFocus(Qt::ShortcutFocusReason); });
    m_undo = addShortcut(QKeySequence(QStringLiteral("Ctrl+z")), &RecorderKeys::undoPressed);
    m_redo = addShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+Z")), &RecorderKeys::redoPressed);
    m_redoAlt = addShortcut(QKeySequence(QStringLiteral("Ctrl+Y")), &RecorderKeys::redoPressed);
    m_cancel = addShortcut(QKeySequence(Qt::Key_Escape), &RecorderKeys::cancelPressed);
    takeKeyboard();
    retranslate();
}

QShortcut *RecorderKeys::addShortcut(const QKeySequence &keys, void (RecorderKeys::*signal)())
{
    auto *shortcut = new QShortcut(keys, m_panel);
    connect(shortcut, &QShortcut::activated, this, signal);
    return shortcut;
}

// Space and Esc are the panel's while the keyboard is in it, and there the focused button's own; a
// click anywhere in the panel brings the keyboard into it (the buttons do not take it), so that
// Space plays after a take was stopped with the mouse.
void RecorderKeys::takeKeyboard()
{
    for (QShortcut *shortcut : {m_space, m_cancel})
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    (new ButtonKeys(m_panel))->watch(m_panel);
    m_panel->setFocusPolicy(Qt::ClickFocus);
    m_panel->setFocusProxy(m_chart);
}

void RecorderKeys::setJobRunning(bool running)
{
    for (QShortcut *shortcut : {m_undo, m_redo, m_redoAlt})
        shortcut->setEnabled(!running);
    m_cancel->setEnabled(running);
}

// The panel takes the keyboard on a click, so it has a name of its own.
void RecorderKeys::retranslate()
{
    m_panel->setAccessibleName(QCoreApplication::translate("RecordWidget", "录音机"));
    m_chart->setAccessibleName(QCoreApplication::translate("RecordWidget", "波形"));
    m_chart->setAccessibleDescription(QCoreApplication::translate(
        "RecordWidget",
        "方向键移动光标，Shift+方向键选择，Alt+Shift+方向键移动选区的另一端，Delete 剪切所选，空格播放，Shift+空格播放选区，Ctrl+滚轮或 Ctrl+加号/减号缩放，Ctrl+0 显示整段录音，Ctrl+Z 撤销"));
}
