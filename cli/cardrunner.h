#ifndef CARDRUNNER_H
#define CARDRUNNER_H

#include "cardcommand.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

class SoundCardBase;

// Carries out a change on a card that the model has read, through the model's own slots, so that the
// card sees exactly the writes the matching clicks would send; and describes the card for --status.
namespace CardRunner {

// The change of `command` (the mutes, a style, bands or the factory values). A toggle starts from the
// host's copy of the block.
void apply(SoundCardBase &model, const CardCommand &command);

// The --status object; `style` is the checked style 0..3, or -1 when not known.
QJsonObject status(SoundCardBase &model, bool connected, int style);
// The --status text for people.
QString statusText(const QJsonObject &status);

// The --list-cards entries for the detector's device texts.
QJsonArray cards(const QStringList &deviceTexts);
QString cardsText(const QJsonArray &cards);

} // namespace CardRunner

#endif // CARDRUNNER_H
