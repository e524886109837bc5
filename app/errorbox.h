#ifndef ERRORBOX_H
#define ERRORBOX_H

// Shows device access's error prompts as the modal critical message box the user answers.
class ErrorBox
{
public:
    // Makes the message box the presenter of every error prompt from now on.
    static void install();
};

#endif // ERRORBOX_H
