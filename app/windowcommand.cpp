#include "windowcommand.h"

#include "cli/cardrunner.h"
#include "device/errorprompt.h"
#include "device/parameterblock.h"
#include "device/soundcardbase.h"
#include "settings/configfile.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QVariant>

namespace {

// An item of the page by its object name. The presets and bands are made by Repeaters, whose items
// are only in the tree of visual children, not among the page's QObject children.
QObject *item(QObject *page, const QString &name)
{
    QList<QQuickItem *> pending{qobject_cast<QQuickItem *>(page)};
    while (!pending.isEmpty()) {
        QQuickItem *next = pending.takeFirst();
        if (!next)
            continue;
        if (next->objectName() == name)
            return next;
        pending += next->childItems();
    }
    return nullptr;
}

QVariant call(QObject *object, const char *function, const QVariantList &arguments = {})
{
    QVariant result;
    QGenericArgument args[3];
    for (int i = 0; i < arguments.size() && i < 3; ++i)
        args[i] = Q_ARG(QVariant, arguments.at(i));
    QMetaObject::invokeMethod(object, function, Q_RETURN_ARG(QVariant, result), args[0], args[1], args[2]);
    return result;
}

int checkedStyle(QObject *page)
{
    const QVariant preset = call(page, "checkedPreset");
    auto *button = preset.value<QObject *>();
    return button ? button->property("btnIndex").toInt() : -1;
}

// The bands reach the card in one write, so that several bands change together or not at all; the
// sliders then show them and a checked style stores them, as a slider's release does.
void setBands(const QMap<int, int> &bands, QObject *page, SoundCardBase *card)
{
    card->setBandGains(bands);
    const int style = checkedStyle(page);
    for (auto it = bands.cbegin(); it != bands.cend(); ++it) {
        if (QObject *band = item(page, QStringLiteral("band%1").arg(it.key())))
            band->setProperty("sliderValue", it.value());
        if (style >= 0)
            ConfigFile::instance()->saveEqualizerConfig(style, it.key(), it.value());
    }
}

// A mute switch clicked into `on`: the page's handler sends it, then the switch shows it.
void clickSwitch(QObject *page, const char *name, CardCommand::Switch wanted)
{
    QObject *button = item(page, QLatin1String(name));
    if (!button)
        return;
    const bool current = button->property("checkedState").toInt() == 1;
    const bool on = wanted == CardCommand::Toggle ? !current : wanted == CardCommand::On;
    QMetaObject::invokeMethod(button, "switchChecked", Q_ARG(bool, on));
    button->setProperty("checkedState", on ? 1 : 2);
}

void carryOut(const CardCommand &command, QObject *page, SoundCardBase *card)
{
    switch (command.action) {
    case CardCommand::MicMute:
        clickSwitch(page, "btnMicMute", command.mute);
        break;
    case CardCommand::PlayMute:
        clickSwitch(page, "btnPlayMute", command.mute);
        break;
    case CardCommand::Style:
        // The preset becomes the checked one of its group, then is applied as its click applies it.
        if (QObject *preset = item(page, QStringLiteral("preset%1").arg(command.style)))
            preset->setProperty("checked", true);
        call(page, "applyPreset", {command.style});
        break;
    case CardCommand::Eq:
        setBands(command.bands, page, card);
        break;
    case CardCommand::Original:
        call(page, "restoreOriginal");
        break;
    default:
        break;
    }
}


} // namespace

CommandAnswer WindowCommand::run(const CardCommand &command, QObject *page, SoundCardBase *card)
{
    CommandAnswer answer;
    if (!card || !card->isReady() || !page) {
        answer.exitCode = CommandExit::noCard;
        answer.err = QCoreApplication::translate("WindowCommand", "velora: 没有找到声卡\n");
        return answer;
    }
    // Under an open box the card's transfers are held back: the command would change the page and
    // report success while nothing reached the card.
    if (ErrorPrompt::isOpen()) {
        answer.exitCode = CommandExit::cardFailed;
        answer.err = QCoreApplication::translate("WindowCommand", "velora: 窗口正显示一个错误提示框，请先关闭它\n");
        return answer;
    }
    const ErrorPrompt::Presenter previous = ErrorPrompt::setPresenter([&answer](const QString &, const QString &text) {
        answer.exitCode = CommandExit::cardFailed;
        answer.err += QStringLiteral("velora: %1\n").arg(text);
    });
    const ParameterBlock before = ParameterBlock::instance();
    if (command.action == CardCommand::Status)
        answer.out = CardRunner::statusOutput(CardRunner::status(*card, true, checkedStyle(page)), command.json);
    else
        carryOut(command, page, card);
    // A command reported as failed leaves nothing behind that a later write would send to the card.
    if (answer.exitCode != CommandExit::done)
        ParameterBlock::instance() = before;
    ErrorPrompt::setPresenter(previous);
    return answer;
}
