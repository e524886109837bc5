import QtQuick 2.4
import QtQuick.Controls 2.4
import LumenQuick 1.0

// The sound-card control page: the mute switches and the five-band equaliser with its presets.
Item {
    id: page
    width: 560
    height: 456
}
