#include "faultplan.h"

#include "device/vendorentrypoints.h"

#include <QStringList>

namespace {

const char *const servedEntries[] = {
#define FAULTPLAN_SERVED_called(name) #name,
#define FAULTPLAN_SERVED_unused(name)
#define FAULTPLAN_SERVED(name, kind) FAULTPLAN_SERVED_##kind(name)
    VELORA_VENDOR_ENTRY_POINTS(FAULTPLAN_SERVED)
};

bool isServed(const QByteArray &entry)
{
    for (const char *served : servedEntries) {
        if (entry == served)
            return true;
    }
    return false;
}

} // namespace

bool FaultPlan::add(const QString &spec, QString *error)
{
    const QStringList parts = spec.split(QLatin1Char(':'));
    Fault fault;
    bool codeOk = false;
    bool timesOk = true;
    bool skipOk = true;
    if (parts.size() >= 2) {
        QString entry = parts.at(0);
        if (entry.startsWith(QLatin1String("DLL3S_")))
            entry.remove(0, 6);
        fault.entry = entry.toLatin1();
        fault.code = parts.at(1).toInt(&codeOk);
    }
    if (parts.size() >= 3)
        fault.times = parts.at(2) == QLatin1String("always") ? -1 : parts.at(2).toInt(&timesOk);
    if (parts.size() >= 4)
        fault.skip = parts.at(3).toInt(&skipOk);
    if (parts.size() < 2 || parts.size() > 4 || !codeOk || fault.code == 0 || !timesOk || fault.times == 0
        || fault.times < -1 || !skipOk || fault.skip < 0) {
        *error = QStringLiteral("--fail %1: expected NAME:CODE[:TIMES[:SKIP]] with a non-zero CODE, TIMES a "
                                "positive count or \"always\", SKIP a count")
                     .arg(spec);
        return false;
    }
    if (!isServed(fault.entry)) {
        *error = QStringLiteral("--fail %1: %2 is not one of the entry points the card serves")
                     .arg(spec, QString::fromLatin1(fault.entry));
        return false;
    }
    m_faults.append(fault);
    return true;
}

int FaultPlan::take(const QByteArray &entry)
{
    for (Fault &fault : m_faults) {
        if (fault.entry != entry || fault.times == 0)
            continue;
        if (fault.skip > 0) {
            --fault.skip;
            continue;
        }
        if (fault.times > 0)
            --fault.times;
        return fault.code;
    }
    return 0;
}
