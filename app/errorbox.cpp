#include "errorbox.h"

#include "device/errorprompt.h"

#include <QMessageBox>

void ErrorBox::install()
{
    ErrorPrompt::setPresenter([](const QString &title, const QString &text) {
        QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
        box.exec();
    });
}
