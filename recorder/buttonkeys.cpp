#include "buttonkeys.h"

#include <QAbstractButton>
#include <QKeyEvent>

ButtonKeys::ButtonKeys(QObject *parent) : QObject(parent)
{
}

void ButtonKeys::watch(QWidget *widget)
{
    for (QAbstractButton *button : widget->findChildren<QAbstractButton *>())
        button->installEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!plain || !(enter || key->key() == Qt::Key_Space))
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    // The button itself presses on Space.
    if (!enter)
        return false;
    if (!key->isAutoRepeat())
        button->animateClick();
    return true;
}
