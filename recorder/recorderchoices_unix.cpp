#include "recorderchoices.h"

#include "sourceinputname.h"

// The default audio plugin is the sound server's: its inputs are the server's sources.
QString RecorderChoices::backendName(const QString &deviceName)
{
    return inputNameForSource(deviceName);
}
