#include "headlesscommand.h"

#include "cardrunner.h"
#include "device/detectiondevice.h"
#include "device/errorprompt.h"
#include "device/soundcardbase.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QLockFile>
#include <QStandardPaths>

#include <cstdio>

namespace {

// Two commands started at once would both read the block and then write their own change over the
// other's; one at a time, each waits this long for the other.
constexpr int lockWaitMs = 5000;

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The transfer layer's failures, printed instead of shown, and counted.
class PrintedPrompts
{
public:
    PrintedPrompts()
    {
        m_previous = ErrorPrompt::setPresenter([this](const QString &, const QString &text) {
            ++m_count;
            print(stderr, QStringLiteral("velora: %1\n").arg(text));
        });
    }
    ~PrintedPrompts() { ErrorPrompt::setPresenter(m_previous); }
    PrintedPrompts(const PrintedPrompts &) = delete;
    PrintedPrompts &operator=(const PrintedPrompts &) = delete;
    int count() const { return m_count; }

private:
    ErrorPrompt::Presenter m_previous;
    int m_count = 0;
};

} // namespace

int HeadlessCommand::run(const CardCommand &command)
{
    PrintedPrompts prompts;
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
        const QJsonArray cards = CardRunner::cards(detector.presentDevices());
        print(stdout, command.json ? QString::fromUtf8(QJsonDocument(cards).toJson(QJsonDocument::Compact)) + QLatin1Char('\n')
                                   : CardRunner::cardsText(cards));
        return CommandExit::done;
    }
    if (!found) {
        print(stderr, QCoreApplication::translate("HeadlessCommand", "velora: 没有找到声卡\n"));
        return CommandExit::noCard;
    }

    // A real card this user may not open, or one that no library here can drive, is left alone: the
    // window says so in its status line, a command on stderr.
    QString why;
    switch (detector.reportedCardAccess(&why)) {
    case DetectionDevice::CardNotOpenable:
        print(stderr, QCoreApplication::translate("HeadlessCommand",
                                                  "velora: 已找到声卡，但当前用户无权打开它。请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上\n"));
        return CommandExit::cardFailed;
    case DetectionDevice::CardUnserved:
        print(stderr, QCoreApplication::translate("HeadlessCommand", "velora: 已找到声卡，但本系统上没有能控制它的库\n"));
        return CommandExit::cardFailed;
    default:
        break;
    }

    QLockFile lock(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/velora-command.lock"));
    if (!lock.tryLock(lockWaitMs)) {
        print(stderr, QCoreApplication::translate("HeadlessCommand", "velora: 另一个命令正在使用声卡\n"));
        return CommandExit::cardFailed;
    }
    SoundCardBase model;
    model.initDev(vid, pid);
    if (!model.readKeepingMutes() || prompts.count() > 0)
        return CommandExit::cardFailed;

    if (command.action == CardCommand::Status) {
        const QJsonObject status = CardRunner::status(model, true, -1);
        print(stdout, command.json ? QString::fromUtf8(QJsonDocument(status).toJson(QJsonDocument::Compact)) + QLatin1Char('\n')
                                   : CardRunner::statusText(status));
        return CommandExit::done;
    }
    CardRunner::apply(model, command);
    return prompts.count() > 0 ? CommandExit::cardFailed : CommandExit::done;
}
