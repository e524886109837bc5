#include "mainwidget.h"

#include "cli/programversion.h"

QString MainWidget::getSoftVersion()
{
    // There is no version resource to read here.
    return ProgramVersion::text();
}

void MainWidget::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}
