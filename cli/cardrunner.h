#ifndef CARDRUNNER_H
#define CARDRUNNER_H

#include "cardcommand.h"
#include "device/detectiondevice.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

class CardControl;
class SoundCardBase;

// Carries out a change on a card that the model has read, through the controls' own behaviour, so that
// the card and the settings store see exactly what the matching clicks would do, with a window or
// without one; and describes the card for --status.
namespace CardRunner {

// The change of `command` (the mutes, a style, bands or the factory values). A toggle starts from the
// host's copy of the block. A change that did not wholly happen is answered as a card failure.
void apply(CardControl &control, const CardCommand &command, CommandAnswer *answer);

// The --status object; `style` is the checked style 0..3, or -1 when not known.
QJsonObject status(SoundCardBase &model, bool connected, int style);
// The --status text for people.
QString statusText(const QJsonObject &status);
// What --status prints: the text for people, or the object as one line of JSON.
QString statusOutput(const QJsonObject &status, bool json);

// The --list-cards entries for the detector's device texts.
QJsonArray cards(const QStringList &deviceTexts);
QString cardsText(const QJsonArray &cards);
QString cardsOutput(const QJsonArray &cards, bool json);

// A card that was found but cannot be driven here, answered the same through a window and without
// one; false (and `answer` untouched) for a usable card.
bool refuseUnusableCard(DetectionDevice::CardAccess access, CommandAnswer *answer);

} // namespace CardRunner

#endif // CARDRUNNER_H
