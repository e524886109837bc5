#include "app/crashdump.h"
#include "app/diagnosticlog.h"
#include "app/errorbox.h"
#include "app/mainwidget.h"
#include "app/singleinstance.h"

#include <QApplication>
#include <QtDebug>

#include <memory>

int main(int argc, char *argv[])
{
    SingleInstance instance;
    if (instance.isRunning(QStringLiteral("veloraKey05")))
        return 0;

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
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
