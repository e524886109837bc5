#include "errorprompt.h"

#include <QtDebug>

namespace {

int openBoxes = 0;
ErrorPrompt::Presenter presenter;

} // namespace

void ErrorPrompt::show(const QString &text)
{
    ++openBoxes;
    if (presenter)
        presenter(title(), text);
    else
        qDebug().noquote() << title() + QLatin1String(": ") + text;
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
