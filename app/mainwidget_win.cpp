#include "mainwidget.h"

#include "powerlog.h"
#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

// The file version of the executable at path as "major.minor.build.revision"; empty without a resource.
bool readFileVersion(const char *path, char *text, size_t size)
{
    DWORD ignored = 0;
    const DWORD length = GetFileVersionInfoSizeA(path, &ignored);
    if (length == 0)
        return false;
    std::vector<char> block(length);
    if (!GetFileVersionInfoA(path, 0, length, block.data()))
        return false;
    VS_FIXEDFILEINFO *info = nullptr;
    UINT infoLength = 0;
    if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void **>(&info), &infoLength) || !info)
        return false;
    std::snprintf(text, size, "%d.%d.%d.%d", int(HIWORD(info->dwFileVersionMS)), int(LOWORD(info->dwFileVersionMS)),
                  int(HIWORD(info->dwFileVersionLS)), int(LOWORD(info->dwFileVersionLS)));
    return true;
}

// Restores the window and lifts it above all others without leaving it always on top.
void showInFront(HWND window)
{
    ShowWindow(window, SW_SHOWNORMAL);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace

QString MainWidget::getSoftVersion()
{
    const QByteArray path = QDir::toNativeSeparators(QCoreApplication::applicationFilePath()).toLocal8Bit();
    char text[64] = {};
    if (!readFileVersion(path.constData(), text, sizeof text))
        return QString();
    return QString::fromLatin1(text);
}

void MainWidget::bringToFront()
{
    showInFront(reinterpret_cast<HWND>(winId()));
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
