#include "windowcommand.h"

#include "cli/cardrunner.h"
#include "device/errorprompt.h"
#include "device/soundcardbase.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
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

void carryOut(const CardCommand &command, QObject *page)
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
        for (auto it = command.bands.cbegin(); it != command.bands.cend(); ++it) {
            if (QObject *band = item(page, QStringLiteral("band%1").arg(it.key())))
                band->setProperty("sliderValue", it.value());
            call(page, "bandReleased", {it.key(), it.value()});
        }
        break;
    case CardCommand::Original:
        call(page, "restoreOriginal");
        break;
    default:
        break;
    }
}

int checkedStyle(QObject *page)
{
    const QVariant preset = call(page, "checkedPreset");
    auto *button = preset.value<QObject *>();
    return button ? button->property("btnIndex").toInt() : -1;
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
    const ErrorPrompt::Presenter previous = ErrorPrompt::setPresenter([&answer](const QString &, const QString &text) {
        answer.exitCode = CommandExit::cardFailed;
        answer.err += QStringLiteral("velora: %1\n").arg(text);
    });
    if (command.action == CardCommand::Status) {
        const QJsonObject status = CardRunner::status(*card, true, checkedStyle(page));
        answer.out = command.json ? QString::fromUtf8(QJsonDocument(status).toJson(QJsonDocument::Compact)) + QLatin1Char('\n')
                                  : CardRunner::statusText(status);
    } else {
        carryOut(command, page);
    }
    ErrorPrompt::setPresenter(previous);
    return answer;
}
