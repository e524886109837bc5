#include "errorpromptrecorder.h"

ErrorPromptRecorder::ErrorPromptRecorder()
{
    m_previous = ErrorPrompt::setPresenter([this](const QString &title, const QString &text) {
        m_titles.append(title);
        m_texts.append(text);
        if (whileOpen)
            whileOpen();
    });
}

ErrorPromptRecorder::~ErrorPromptRecorder()
{
    ErrorPrompt::setPresenter(m_previous);
}

void ErrorPromptRecorder::clear()
{
    m_titles.clear();
    m_texts.clear();
}
