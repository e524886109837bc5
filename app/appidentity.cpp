#include "appidentity.h"

#include "launch/programnames.h"

#include <QApplication>

QString AppIdentity::applicationId()
{
    return QStringLiteral(VELORA_APP_ID);
}

QIcon AppIdentity::windowIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/%1.png").arg(size), QSize(size, size));
    return icon;
}

void AppIdentity::apply()
{
    ProgramNames::apply();
    QGuiApplication::setDesktopFileName(applicationId());
    QGuiApplication::setWindowIcon(windowIcon());
}
