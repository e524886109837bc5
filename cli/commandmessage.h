#ifndef COMMANDMESSAGE_H
#define COMMANDMESSAGE_H

#include "cardcommand.h"

#include <QByteArray>

// A command and its answer as they travel between a command and the running window: small UTF-8 JSON
// objects carrying their version, so that a window and a command of different versions refuse each
// other clearly instead of guessing.
namespace CommandMessage {

constexpr int version = 1;
// Neither message is ever near this; a larger one is not read.
constexpr int maxSize = 64 * 1024;

// `startBy` (milliseconds since the epoch) is when the window must have begun the command at the
// latest: the sender stops waiting some time after it, and a command begun later would change the
// card after its sender had reported that nothing happened.
QByteArray request(const CardCommand &command, qint64 startBy);
// False for another version or anything not fully understood. `startBy` is 0 when the request sets
// no limit.
bool readRequest(const QByteArray &bytes, CardCommand *command, qint64 *startBy);

QByteArray answer(const CommandAnswer &answer);
bool readAnswer(const QByteArray &bytes, CommandAnswer *answer);

} // namespace CommandMessage

#endif // COMMANDMESSAGE_H
