#include "mainwidget.h"

#include "powerlog.h"
#include "recorder/recordwidget.h"
#include "launch/singleinstance.h"
#include "launch/win32shell.h"

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
    using win32shell::WindowEvent;
    const MSG *msg = static_cast<const MSG *>(message);
    std::string request;
    void *replyTo = nullptr;
    if (win32shell::readCommand(msg->message, msg->wParam, msg->lParam, SingleInstance::commandTag, &request, &replyTo)) {
        win32shell::sendAnswer(replyTo, SingleInstance::answerTag,
                               answerRequest(QByteArray::fromStdString(request)).toStdString());
        *result = TRUE;
        return true;
    }
    switch (win32shell::decodeWindowMessage(msg->message, msg->wParam, msg->lParam, SingleInstance::activationTag)) {
    case WindowEvent::Activation:
        bringToFront();
        *result = TRUE;
        return true;
    case WindowEvent::OtherCopyData:
        // Only the activation request does something; any other data block is swallowed.
        *result = FALSE;
        return true;
    case WindowEvent::SessionEnding: {
        // A take that records is finished before the session goes; the system shows why it waits.
        void *window = reinterpret_cast<void *>(winId());
        const bool blocked = m_recordWidget->isRecording() && win32shell::blockShutdown(window, L"Velora: finishing a recording");
        m_powerLog->prepareForShutdown(true);
        if (blocked)
            win32shell::unblockShutdown(window);
        break;
    }
    case WindowEvent::Suspending:
        m_powerLog->prepareForSleep(true);
        break;
    case WindowEvent::Resumed:
        m_powerLog->prepareForSleep(false);
        break;
    case WindowEvent::None:
        break;
    }
    return QWidget::nativeEvent(eventType, message, result);
}

