#include "mainwidget.h"

#include "powerlog.h"
#include "singleinstance.h"
#include "win32shell.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

QString MainWidget::getSoftVersion()
{
    const QByteArray path = QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toLocal8Bit();
    char text[64] = {};
    if (!win32shell::readFileVersion(path.constData(), text, sizeof text))
        return QString();
    return QString::fromLatin1(text);
}

void MainWidget::bringToFront()
{
    win32shell::showInFront(reinterpret_cast<void *>(winId()));
}

bool MainWidget::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    const MSG *msg = static_cast<const MSG *>(message);
    switch (msg->message) {
    case WM_COPYDATA: {
        // Only the activation request does something; any other data block is swallowed.
        const auto *data = reinterpret_cast<const COPYDATASTRUCT *>(msg->lParam);
        const bool activation = data && data->dwData == SingleInstance::activationTag;
        if (activation)
            bringToFront();
        *result = activation ? TRUE : FALSE;
        return true;
    }
    case WM_QUERYENDSESSION:
        m_powerLog->prepareForShutdown(true);
        break;
    case WM_POWERBROADCAST:
        if (msg->wParam == PBT_APMSUSPEND)
            m_powerLog->prepareForSleep(true);
        else if (msg->wParam == PBT_APMRESUMEAUTOMATIC)
            m_powerLog->prepareForSleep(false);
        break;
    default:
        break;
    }
    return QWidget::nativeEvent(eventType, message, result);
}
