#ifndef CARDPROTOCOL_H
#define CARDPROTOCOL_H

#include "cardcodes.h"

#include <QByteArray>
#include <QVector>

// What the stand-in vendor library and the virtual card say to each other over the card's local
// socket: one text line per library call, one line back.
//
//   request: <entry> <vid> <pid> [<argument> ...] [: <byte> ...]
//   reply:   <code> [: <byte> ...]
//
// <entry> is the library entry point without its "DLL3S_" prefix, <vid> and <pid> four upper-case hex
// digits, arguments decimal, bytes two hex digits each. Example:
//   "Fast_WriteI2C_ById 0C76 1000 82 240 0 8 3000 0 6 : 00 00 00 21 1D 23 1C 11"  ->  "0"
//   "GetGpioEx_ById 0C76 1000 2 1"  ->  "0 : 01"
namespace CardProtocol {

struct Request
{
    QByteArray entry;
    int vid = 0;
    int pid = 0;
    QVector<int> arguments;
    QByteArray bytes;

    QByteArray toLine() const;
    // False for a line that is not a well-formed request.
    bool parse(const QByteArray &line);
};

struct Reply
{
    int code = Ok;
    QByteArray bytes;

    QByteArray toLine() const;
    bool parse(const QByteArray &line);
};

// "00 21 1D" for the bytes 0x00 0x21 0x1D.
QByteArray hexBytes(const QByteArray &bytes);

} // namespace CardProtocol

#endif // CARDPROTOCOL_H
