#include "cardcommandline.h"
#include "cardserver.h"
#include "cardstatefile.h"
#include "quitsignals.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

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
    QuitSignals::install(&app);
    return app.exec();
}
