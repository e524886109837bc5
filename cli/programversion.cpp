#include "programversion.h"

QString ProgramVersion::text()
{
    return QStringLiteral(VELORA_VERSION);
}
