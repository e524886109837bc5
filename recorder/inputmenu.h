#ifndef INPUTMENU_H
#define INPUTMENU_H

#include <QToolButton>

class QActionGroup;
class QMenu;
class RecorderChoices;

// The button that shows the next take's input and format and opens their choice: the inputs the
// system offers, the card's first, and the formats. Ctrl+I opens it while the keyboard is in the panel.
class InputMenu : public QToolButton
{
    Q_OBJECT

public:
    InputMenu(QWidget *panel, RecorderChoices *choices);

protected:
    void changeEvent(QEvent *event) override;

private:
    void fillMenu();
    void addHeading(const QString &text);
    void showChoices();

    RecorderChoices *m_choices;
    QMenu *m_menu;
};

#endif // INPUTMENU_H
