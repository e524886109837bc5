#include "cardcommandline.h"
#include "cardserver.h"
#include "cardstatefile.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2];

void onSignal(int)
{
    const char byte = 1;
    (void)!::write(signalPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP end the event loop, so that the card is pulled out cleanly (its socket
// file removed); kill -9 pulls it out too, leaving a socket file that refuses connections.
void quitOnSignals(QCoreApplication *app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

int fail(const QString &message, int code)
{
    std::fprintf(stderr, "velora-virtualcard: %s\n", qPrintable(message));
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velora-virtualcard"));
    CardOptions options;
    QString error;
    if (!CardCommandLine::parse(QCoreApplication::arguments(), &options, &error))
        return fail(error + QStringLiteral(" (see --help)"), 2);
    QByteArray block;
    if (!CardStateFile(options.statePath).load(options.settings.defaultBlock, &block, &error))
        return fail(error, 3);
    CardServer server(options, block);
    QObject::connect(&server, &CardServer::pulledOut, &app, &QCoreApplication::quit);
    if (!server.plugIn(&error))
        return fail(error, 3);
    quitOnSignals(&app);
    return app.exec();
}
