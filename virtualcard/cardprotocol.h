#ifndef CARDPROTOCOL_H
#define CARDPROTOCOL_H

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

// Result codes of the stand-in library and the virtual card; 0 is success.
enum Code {
    Ok = 0,
    NoCard = 1001,           // no card with this vendor and product id on the bus
    CardLost = 1002,         // the card went away (or stopped answering) during the call
    NotServed = 1003,        // an entry point the program never calls
    BadArgument = 1004,      // a null buffer, a length other than the block's, a GPIO beyond 3
    GpioHigh = 2001,         // an I2C transfer while GPIO 0 is high
    NoSuchRegister = 2002,   // an unknown slave or register, or a write to a read-only block
    NotAcknowledged = 2003,  // a write the GPIO 1 / GPIO 3 handshake did not complete
    LineNotDriven = 2004,    // setting a GPIO line whose mode leaves it to the card
    BusNotConfigured = 2005, // an I2C transfer before the fast I2C bus was configured
    ChipSilent = 2006,       // the chip did not answer the information query
};

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
