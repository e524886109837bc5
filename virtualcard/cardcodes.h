#ifndef CARDCODES_H
#define CARDCODES_H

// Kept apart from the protocol's Qt types so that the Windows build of the stand-in library, which has
// no Qt, answers with the same codes.
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

} // namespace CardProtocol

#endif
