#ifndef ERRORPROMPT_H
#define ERRORPROMPT_H

#include <QString>

#include <functional>

// The modal "Error prompt" box that reports card failures. Device access only reports; the presenter
// that shows the box is installed by the application (tests install one that records it instead).
class ErrorPrompt
{
public:
    using Presenter = std::function<void(const QString &title, const QString &text)>;

    // Hands the box to the presenter and returns when it is closed. Without a presenter the text
    // goes to the log, so that the failure is never silent.
    static void show(const QString &text);

    // True while a box is open: its nested event loop may deliver timers and device events that would
    // start another transfer before the failed one has returned.
    static bool isOpen();

    // Installs a presenter (an empty one leaves only the log line) and returns the previous one.
    static Presenter setPresenter(Presenter presenter);

    static QString title();
};

#endif // ERRORPROMPT_H
