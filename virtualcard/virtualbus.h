#ifndef VIRTUALBUS_H
#define VIRTUALBUS_H

#include <QString>

// Where virtual cards show themselves: a folder in the user's runtime folder holding one listening
// local socket per plugged-in card, named after the card's device text.
class VirtualBus
{
public:
    // The bus folder ("velora-bus" in the runtime folder); not created.
    static QString folder();
    // Creates the folder (owner-only access) when it is missing; false when that fails.
    static bool createFolder();
    // "VID_0C76&PID_1000": how a device text carries the ids, upper-case hex.
    static QString idText(int vid, int pid);
    // "velora-vcard#VID_0C76&PID_1000#<serial>", like a HID device path.
    static QString deviceText(int vid, int pid, const QString &serial);
};

#endif // VIRTUALBUS_H
