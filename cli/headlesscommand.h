#ifndef HEADLESSCOMMAND_H
#define HEADLESSCOMMAND_H

#include "cardcommand.h"

// Carries out a command with no window: finds the card, reads it as at arrival, makes the change and
// answers with what to print (the transfer layer's failures in the answer, never a box). Needs the
// application object, as the detector is a widget.
namespace HeadlessCommand {
CommandAnswer run(const CardCommand &command);
}

#endif // HEADLESSCOMMAND_H
