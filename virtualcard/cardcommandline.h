#ifndef CARDCOMMANDLINE_H
#define CARDCOMMANDLINE_H

#include "virtualcard.h"

#include <QString>
#include <QStringList>

// Everything the virtual card's command line chooses.
struct CardOptions
{
    CardSettings settings;
    QString statePath;
    bool log = false;
    bool trace = false;
    int pullAfter = 0; // 0: never pulled out by itself
};

class CardCommandLine
{
public:
    // Fills `options` from the arguments; prints the help or the model list and exits for --help and
    // --list-models. False with a message for anything malformed.
    static bool parse(const QStringList &arguments, CardOptions *options, QString *error);
};

#endif // CARDCOMMANDLINE_H
