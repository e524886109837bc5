#include "windowcommand.h"

#include "cli/cardrunner.h"
#include "cli/presetcommand.h"
#include "device/cardcontrol.h"
#include "device/errorprompt.h"
#include "device/parameterblock.h"
#include "device/soundcardbase.h"

#include <QCoreApplication>

CommandAnswer WindowCommand::run(const CardCommand &command, CardControl &control, SoundCardBase *card)
{
    CommandAnswer answer;
    if (PresetCommand::handles(command.action) && !PresetCommand::needsCard(command.action)) {
        PresetCommand::run(command, nullptr, &answer);
        return answer;
    }
    if (!card || !card->isReady()) {
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
        answer.out = CardRunner::statusOutput(CardRunner::status(*card, true, control.checkedStyle()), command.json);
    else if (PresetCommand::handles(command.action))
        PresetCommand::run(command, &control, &answer);
    else
        CardRunner::apply(control, command, &answer);
    // A command reported as failed leaves nothing behind that a later write would send to the card.
    if (answer.exitCode != CommandExit::done)
        ParameterBlock::instance() = before;
    ErrorPrompt::setPresenter(previous);
    return answer;
}
