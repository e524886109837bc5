#include "windowmain.h"

#include "appidentity.h"
#include "crashdump.h"
#include "diagnosticlog.h"
#include "errorbox.h"
#include "mainwidget.h"
#include "scenebackend.h"
#include "launch/singleinstance.h"

#include <QApplication>
#include <QtDebug>

#include <memory>

int WindowMain::run(int argc, char *argv[])
{
    SingleInstance instance;
    if (instance.isRunning(SingleInstance::programKey()))
        return 0;

    QApplication app(argc, argv);
    AppIdentity::apply();
    CrashDump::install();
    installLog(QStringLiteral("Log"), 1024, true);
    ErrorBox::install();
    qDebug() << __FILE__ << __LINE__ << "================progress start================";
    qDebug().noquote() << SceneBackend::choose();

    auto window = std::make_unique<MainWidget>();
    window->show();
    QObject::connect(&instance, &SingleInstance::activationRequested, window.get(), &MainWidget::bringToFront);
    MainWidget *shown = window.get();
    instance.setCommandHandler([shown](const QByteArray &request) { return shown->answerRequest(request); });
    instance.publishWindow(window->winId());

    return app.exec();
}
