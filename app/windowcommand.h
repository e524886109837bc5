#ifndef WINDOWCOMMAND_H
#define WINDOWCOMMAND_H

#include "cli/cardcommand.h"

class CardControl;
class SoundCardBase;

// Carries out a command in the running window through the controls' shared behaviour, so that the
// card sees the writes the matching clicks send, the page shows the result and a checked style stores
// a changed band as it does for a slider. A card failure is answered to the command instead of raising
// the window's box.
namespace WindowCommand {
CommandAnswer run(const CardCommand &command, CardControl &control, SoundCardBase *card);
}

#endif // WINDOWCOMMAND_H
