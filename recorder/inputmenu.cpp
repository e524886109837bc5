#include "inputmenu.h"

#include "recorderchoices.h"

#include <QActionGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QMenu>
#include <QShortcut>

namespace {

const QKeySequence OpenKeys(QStringLiteral("Ctrl+I"));
constexpr int MaxTextWidth = 240;

} // namespace

InputMenu::InputMenu(QWidget *panel, RecorderChoices *choices)
    : QToolButton(panel), m_choices(choices), m_menu(new QMenu(this))
{
    setObjectName(QStringLiteral("inputMenu"));
    setAutoRaise(true);
    setPopupMode(QToolButton::InstantPopup);
    setMenu(m_menu);
    m_menu->setStyleSheet(QStringLiteral("QMenu { background: #2b2b2b; color: #d8d8d8; border: 1px solid #444; }"
                                         "QMenu::item:selected { background: #6a2bd9; color: white; }"
                                         "QMenu::item:disabled { color: #858585; }"));
    connect(m_menu, &QMenu::aboutToShow, this, &InputMenu::fillMenu);
    connect(m_choices, &RecorderChoices::changed, this, &InputMenu::showChoices);
    auto *shortcut = new QShortcut(OpenKeys, panel);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (isEnabled())
            showMenu();
    });
    showChoices();
}

void InputMenu::changeEvent(QEvent *event)
{
    // The text is cut to the room its font leaves, which the panel's style sheet sets once polished.
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        showChoices();
    QToolButton::changeEvent(event);
}

// Listed afresh each time it opens: inputs come and go with devices.
void InputMenu::fillMenu()
{
    m_menu->clear();
    addHeading(tr("录音输入"));
    auto *inputs = new QActionGroup(m_menu);
    for (const RecorderChoices::Input &input : m_choices->inputs()) {
        QAction *action = inputs->addAction(input.label);
        action->setCheckable(true);
        action->setChecked(input.name == m_choices->input());
        connect(action, &QAction::triggered, m_choices, [this, name = input.name] { m_choices->chooseInput(name); });
    }
    m_menu->addActions(inputs->actions());
    m_menu->addSeparator();
    addHeading(tr("录音格式"));
    auto *formats = new QActionGroup(m_menu);
    for (const RecordFormat &format : RecordFormat::offered()) {
        QAction *action = formats->addAction(format.label());
        action->setCheckable(true);
        action->setChecked(format == m_choices->format());
        connect(action, &QAction::triggered, m_choices, [this, format] { m_choices->chooseFormat(format); });
    }
    m_menu->addActions(formats->actions());
}

// A heading the keys pass over; the style sheet would leave a section's title out.
void InputMenu::addHeading(const QString &text)
{
    m_menu->addAction(text)->setEnabled(false);
}

void InputMenu::showChoices()
{
    const QString text = QStringLiteral("%1 · %2").arg(m_choices->inputLabel(), m_choices->format().label());
    setText(fontMetrics().elidedText(text, Qt::ElideMiddle, MaxTextWidth));
    const QString what = tr("录音输入和格式");
    setAccessibleName(what);
    setAccessibleDescription(text);
    setToolTip(QStringLiteral("%1: %2 (%3)").arg(what, text, OpenKeys.toString(QKeySequence::NativeText)));
}
