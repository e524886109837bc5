#ifndef ERRORPROMPTRECORDER_H
#define ERRORPROMPTRECORDER_H

#include "device/errorprompt.h"

#include <QStringList>

#include <functional>

// Records every "Error prompt" box instead of showing it, while it lives. `whileOpen`, when set,
// runs inside the box, where the real box would run its nested event loop.
class ErrorPromptRecorder
{
public:
    ErrorPromptRecorder();
    ~ErrorPromptRecorder();
    ErrorPromptRecorder(const ErrorPromptRecorder &) = delete;
    ErrorPromptRecorder &operator=(const ErrorPromptRecorder &) = delete;

    QStringList titles() const { return m_titles; }
    QStringList texts() const { return m_texts; }
    void clear();

    std::function<void()> whileOpen;

private:
    QStringList m_titles;
    QStringList m_texts;
    ErrorPrompt::Presenter m_previous;
};

#endif // ERRORPROMPTRECORDER_H
