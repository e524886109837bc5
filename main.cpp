#include "app/crashdump.h"
#include "app/diagnosticlog.h"
#include "app/errorbox.h"
#include "app/mainwidget.h"
#include "app/singleinstance.h"
#include "cli/commandparser.h"
#include "cli/headlesscommand.h"
#include "settings/configfile.h"

#include <QApplication>
#include <QtDebug>

#include <cstdio>
#include <memory>

namespace {

void setIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
}

QStringList styleNames()
{
    QStringList names;
    for (int i = 0; i < 4; ++i)
        names.append(ConfigFile::instance()->getCustomText(i));
    return names;
}

// A command's output is its answer alone: the model's debug lines stay out of it.
void commandMessages(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "velora: %s\n", text.toLocal8Bit().constData());
}

// A start that names a command: the command is read and checked with the application object in place
// (the user's style names come from the settings store), then carried out.
int runCommandLine(char *program, const QStringList &arguments)
{
    qInstallMessageHandler(commandMessages);
#ifndef Q_OS_WIN
    // A command shows nothing: it must work from a script with no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Qt sees none of the arguments: it would take "--style" for its own widget style.
    int qtArgc = 1;
    char *qtArgv[] = {program, nullptr};
    QApplication app(qtArgc, qtArgv);
    setIdentity();
    CommandParser parser(styleNames);
    switch (parser.parse(arguments)) {
    case CommandParser::Help:
        std::fputs(CommandParser::helpText().toLocal8Bit().constData(), stdout);
        return CommandExit::done;
    case CommandParser::Version:
        std::fputs(CommandParser::versionText().toLocal8Bit().constData(), stdout);
        return CommandExit::done;
    case CommandParser::Command:
        return HeadlessCommand::run(parser.command());
    default:
        std::fprintf(stderr, "velora: %s\n%s\n", parser.errorText().toLocal8Bit().constData(),
                     CommandParser::usageHint().toLocal8Bit().constData());
        return CommandExit::usage;
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

    SingleInstance instance;
    if (instance.isRunning(QStringLiteral("veloraKey05")))
        return 0;

    QApplication app(argc, argv);
    setIdentity();
    CrashDump::install();
    installLog(QStringLiteral("Log"), 1024, true);
    ErrorBox::install();
    qDebug() << __FILE__ << __LINE__ << "================progress start================";

    auto window = std::make_unique<MainWidget>();
    window->show();
    QObject::connect(&instance, &SingleInstance::activationRequested, window.get(), &MainWidget::bringToFront);
    instance.publishWindow(window->winId());

    return app.exec();
}
