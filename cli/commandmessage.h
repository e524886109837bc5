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

QByteArray request(const CardCommand &command);
// False for another version or anything not fully understood.
bool readRequest(const QByteArray &bytes, CardCommand *command);

QByteArray answer(const CommandAnswer &answer);
bool readAnswer(const QByteArray &bytes, CommandAnswer *answer);

} // namespace CommandMessage

#endif // COMMANDMESSAGE_H
