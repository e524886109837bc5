#include "errorprompt.h"

#include <QMessageBox>

namespace {

int openBoxes = 0;
ErrorPrompt::Presenter presenter;

void showMessageBox(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok);
    box.exec();
}

} // namespace

void ErrorPrompt::show(const QString &text)
{
    ++openBoxes;
    if (presenter)
        presenter(title(), text);
    else
        showMessageBox(title(), text);
    --openBoxes;
}

bool ErrorPrompt::isOpen()
{
    return openBoxes > 0;
}

ErrorPrompt::Presenter ErrorPrompt::setPresenter(Presenter newPresenter)
{
    Presenter previous = presenter;
    presenter = std::move(newPresenter);
    return previous;
}

QString ErrorPrompt::title()
{
    return QStringLiteral("Error prompt");
}
