#include "mainwidget.h"

QString MainWidget::getSoftVersion()
{
    // The project version is compiled in; there is no version resource to read here.
    return QString::asprintf("%d.%d.%d.%d", VELORA_VERSION_MAJOR, VELORA_VERSION_MINOR, VELORA_VERSION_PATCH,
                             VELORA_VERSION_TWEAK);
}

void MainWidget::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}
