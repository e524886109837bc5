#ifndef HEADLESSCOMMAND_H
#define HEADLESSCOMMAND_H

#include "cardcommand.h"

// Carries out a command with no window: finds the card, reads it as at arrival (keeping its mutes),
// makes the change, prints the answer on stdout and failures on stderr (never a box), and returns the
// exit code. Needs the application object, as the detector is a widget.
namespace HeadlessCommand {
int run(const CardCommand &command);
}

#endif // HEADLESSCOMMAND_H
