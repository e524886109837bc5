#ifndef ERRORPROMPT_H
#define ERRORPROMPT_H

#include <QString>

#include <functional>

// The modal "Error prompt" box that reports card failures. Its showing sits behind one replaceable
// presenter, so that tests record the box instead of blocking on it.
class ErrorPrompt
{
public:
    using Presenter = std::function<void(const QString &title, const QString &text)>;

    // Shows the box and returns when it is closed.
    static void show(const QString &text);

    // True while a box is open: its nested event loop may deliver timers and device events that would
    // start another transfer before the failed one has returned.
    static bool isOpen();

    // Installs a presenter (an empty one restores the message box) and returns the previous one.
    static Presenter setPresenter(Presenter presenter);

    static QString title();
};

#endif // ERRORPROMPT_H
