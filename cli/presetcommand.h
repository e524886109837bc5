#ifndef PRESETCOMMAND_H
#define PRESETCOMMAND_H

#include "cardcommand.h"

class CardControl;

// The preset commands, carried out the same by the running window and without one, on the one preset
// store the window's menu lists. A refused name or file is answered with the usage code and changes
// nothing.
namespace PresetCommand {

bool handles(CardCommand::Action action);
// Applying a preset writes the card; saving one reads the bands the card holds.
bool needsCard(CardCommand::Action action);
// `control` is used only for the commands that need the card.
void run(const CardCommand &command, CardControl *control, CommandAnswer *answer);

} // namespace PresetCommand

#endif // PRESETCOMMAND_H
