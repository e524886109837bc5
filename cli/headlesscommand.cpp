#include "headlesscommand.h"

#include "cardrunner.h"
#include "presetcommand.h"
#include "device/cardcontrol.h"
#include "device/detectiondevice.h"
#include "device/errorprompt.h"
#include "device/soundcardbase.h"
#include "settings/configfile.h"

#include <QCoreApplication>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// Two commands started at once would both read the block and then write their own change over the
// other's; one at a time, each waits this long for the other.
constexpr int lockWaitMs = 5000;

// The transfer layer's failures, collected into the answer instead of shown.
class CollectedPrompts
{
public:
    explicit CollectedPrompts(CommandAnswer *answer)
    {
        m_previous = ErrorPrompt::setPresenter([answer](const QString &, const QString &text) {
            answer->exitCode = CommandExit::cardFailed;
            answer->err += QStringLiteral("velora: %1\n").arg(text);
        });
    }
    ~CollectedPrompts() { ErrorPrompt::setPresenter(m_previous); }
    CollectedPrompts(const CollectedPrompts &) = delete;
    CollectedPrompts &operator=(const CollectedPrompts &) = delete;

private:
    ErrorPrompt::Presenter m_previous;
};

CommandAnswer failed(int exitCode, const QString &text)
{
    return {exitCode, {}, text};
}

} // namespace

CommandAnswer HeadlessCommand::run(const CardCommand &command)
{
    CommandAnswer answer;
    if (PresetCommand::handles(command.action) && !PresetCommand::needsCard(command.action)) {
        PresetCommand::run(command, nullptr, &answer);
        return answer;
    }
    CollectedPrompts prompts(&answer);
    DetectionDevice detector;
    bool found = false;
    int vid = 0;
    int pid = 0;
    QObject::connect(&detector, &DetectionDevice::s_devTypeAndState, &detector,
                     [&](const QString &, bool arrived, int cardVid, int cardPid) {
                         if (arrived && !found) {
                             found = true;
                             vid = cardVid;
                             pid = cardPid;
                         }
                     });
    detector.scanHidDevices();

    if (command.action == CardCommand::ListCards) {
        answer.out = CardRunner::cardsOutput(CardRunner::cards(detector.presentDevices()), command.json);
        return answer;
    }
    if (!found)
        return failed(CommandExit::noCard, QCoreApplication::translate("HeadlessCommand", "velora: 没有找到声卡\n"));
    // A real card this user may not open, or one that no library here can drive, is left alone: the
    // window says so in its status line, a command on stderr.
    QString why;
    if (CardRunner::refuseUnusableCard(detector.reportedCardAccess(&why), &answer))
        return answer;

    QLockFile lock(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/velora-command.lock"));
    if (!lock.tryLock(lockWaitMs))
        return failed(CommandExit::cardFailed, QCoreApplication::translate("HeadlessCommand", "velora: 另一个命令正在使用声卡\n"));
    SoundCardBase model;
    model.initDev(vid, pid);
    // A change needs the block alone; the serial number and firmware version only for --status.
    const bool status = command.action == CardCommand::Status;
    if (!(status ? model.getAllParaIsChange() : model.readParameters()) || answer.exitCode != CommandExit::done) {
        answer.exitCode = CommandExit::cardFailed;
        return answer;
    }
    if (status) {
        answer.out = CardRunner::statusOutput(CardRunner::status(model, true, -1), command.json);
        return answer;
    }
    // No style is checked without a window: a band change goes to the card only.
    CardControl control;
    control.setCard(&model);
    control.setConfig(ConfigFile::instance());
    if (PresetCommand::handles(command.action))
        PresetCommand::run(command, &control, &answer);
    else
        CardRunner::apply(control, command, &answer);
    return answer;
}
