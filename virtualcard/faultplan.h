#ifndef FAULTPLAN_H
#define FAULTPLAN_H

#include <QByteArray>
#include <QString>
#include <QVector>

// Library calls that the virtual card fails on request ("--fail NAME:CODE[:TIMES[:SKIP]]"): the call
// of entry point NAME fails with CODE, TIMES times (a count, or "always"; once by default), after SKIP
// calls of it have been served normally (none by default).
class FaultPlan
{
public:
    // Adds one fault; false with a message for a malformed one.
    bool add(const QString &spec, QString *error);

    // The code the card must answer for this call of the entry point, or 0 to serve it.
    int take(const QByteArray &entry);

private:
    struct Fault
    {
        QByteArray entry;
        int code = 0;
        int times = 1; // -1: always
        int skip = 0;
    };

    QVector<Fault> m_faults;
};

#endif // FAULTPLAN_H
