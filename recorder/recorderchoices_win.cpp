#include "recorderchoices.h"

// The recorder's backend lists the capture devices by the names the audio devices have.
QString RecorderChoices::backendName(const QString &deviceName)
{
    return deviceName;
}
