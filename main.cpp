// The program's entry: a command is read and carried out here, with Qt Core alone; a start without
// one hands over to the window, which brings the GUI libraries along.
#include "windowstart.h"
#include "cli/commandmessage.h"
#include "cli/commandparser.h"
#include "cli/headlesscommand.h"
#include "launch/programnames.h"
#include "launch/singleinstance.h"
#include "settings/configfile.h"
#include "settings/trans.h"

#include <QCoreApplication>
#include <QDateTime>

#include <cstdio>

namespace {

// The running window must begin a command within windowStartMs, or it drops the request, so that a
// command reported as failed is never carried out later; the command waits a little longer than
// that, for the window's word. The work is a card transfer or two, each bounded by the transfer
// layer's handshake waits.
constexpr int windowStartMs = 5000;
constexpr int windowWordMs = 1000;
constexpr int windowWorkMs = 15000;

QStringList styleNames()
{
    QStringList names;
    for (int i = 0; i < 4; ++i)
        names.append(ConfigFile::instance()->getCustomText(i));
    return names;
}

// A command's output is its answer alone: the model's debug lines and Qt's warnings about the
// environment stay out of it; what went wrong with the card is printed by the command itself.
void commandMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "velora: %s\n", text.toLocal8Bit().constData());
}

// Texts for people in the locale's encoding; JSON, which programs read, always in UTF-8.
int print(const CommandAnswer &answer, bool json)
{
    std::fputs((json ? answer.out.toUtf8() : answer.out.toLocal8Bit()).constData(), stdout);
    std::fputs(answer.err.toLocal8Bit().constData(), stderr);
    return answer.exitCode;
}

// To the running window when there is one (a listing needs none), to the card itself otherwise.
int carryOut(const CardCommand &command)
{
    if (command.action == CardCommand::ListCards)
        return print(HeadlessCommand::run(command), command.json);
    const qint64 startBy = QDateTime::currentMSecsSinceEpoch() + windowStartMs;
    QByteArray reply;
    switch (SingleInstance::sendCommand(SingleInstance::programKey(), CommandMessage::request(command, startBy), &reply,
                                        windowStartMs + windowWordMs, windowWorkMs)) {
    case SingleInstance::Delivery::NoWindow:
        return print(HeadlessCommand::run(command), command.json);
    case SingleInstance::Delivery::Answered: {
        CommandAnswer answer;
        if (CommandMessage::readAnswer(reply, &answer))
            return print(answer, command.json);
        break;
    }
    case SingleInstance::Delivery::NoAnswer:
        break;
    }
    return print({CommandExit::cardFailed, {},
                  QCoreApplication::translate("main", "velora: 正在运行的窗口没有回答命令（没有响应或版本不同）\n")},
                 false);
}

// A start that names a command: the command is read and checked with the application object in place
// (the user's style names come from the settings store), then carried out.
int runCommandLine(char *program, const QStringList &arguments)
{
    qInstallMessageHandler(commandMessages);
    // Qt sees none of the arguments.
    int qtArgc = 1;
    char *qtArgv[] = {program, nullptr};
    QCoreApplication app(qtArgc, qtArgv);
    ProgramNames::apply();
    // The language the window would show: the user's choice, else the system's.
    Trans language(nullptr, nullptr);
    language.reTrans(language.getLanguage());
    CommandParser parser(styleNames);
    switch (parser.parse(arguments)) {
    case CommandParser::Help:
        return print({CommandExit::done, CommandParser::helpText(), {}}, false);
    case CommandParser::Version:
        return print({CommandExit::done, CommandParser::versionText(), {}}, false);
    case CommandParser::Command:
        return carryOut(parser.command());
    default:
        return print({CommandExit::usage, {},
                      QStringLiteral("velora: %1\n%2\n").arg(parser.errorText(), CommandParser::usageHint())},
                     false);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (CommandParser::namesAnOption(arguments))
        return runCommandLine(argv[0], arguments);

    return WindowStart::run(argc, argv);
}
