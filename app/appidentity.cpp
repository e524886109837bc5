#include "appidentity.h"

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
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        QGuiApplication::setDesktopFileName(applicationId());
        QGuiApplication::setWindowIcon(windowIcon());
    }
}
