#ifndef BUTTONKEYS_H
#define BUTTONKEYS_H

#include <QObject>

class QWidget;

// Space and Enter belong to the button that has the keyboard: no shortcut of the window takes them
// from it (Space plays the take everywhere else in the panel), and Enter presses it as Space does.
class ButtonKeys : public QObject
{
    Q_OBJECT

public:
    explicit ButtonKeys(QObject *parent = nullptr);

    // Gives the keys to every button inside `widget`.
    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // BUTTONKEYS_H
