#include "programnames.h"

#include <QCoreApplication>

void ProgramNames::apply()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
}
