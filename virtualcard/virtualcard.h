#ifndef VIRTUALCARD_H
#define VIRTUALCARD_H

#include "cardprotocol.h"
#include "faultplan.h"

#include <QByteArray>
#include <QString>

#include <functional>

// What a card is and how it misbehaves on request.
struct CardSettings
{
    QString model;
    int vid = 0;
    int pid = 0;
    QByteArray serial;   // the 16-byte serial-number block, zero-padded
    QByteArray firmware; // the 8-byte firmware-version block, zero-padded
    QByteArray defaultBlock;
    int gpio2Busy = 0;   // GPIO 2 reads low this many times at the start of every transfer
    int gpio3Late = 0;   // GPIO 3 answers a write only after this many reads
    bool chipSilent = false;
    FaultPlan faults;
};

// The card behind the chip: its register blocks behind the fast I2C bus and its side of the GPIO
// handshake. Strict like hardware: a step that breaks the handshake is refused with a non-zero code
// and reported. A write reaches the parameter block only once GPIO 1 and GPIO 3 have acknowledged it.
class VirtualCard
{
public:
    VirtualCard(const CardSettings &settings, const QByteArray &parameterBlock);

    CardProtocol::Reply serve(const CardProtocol::Request &request);

    QByteArray parameterBlock() const { return m_parameterBlock; }

    // A line for the card's log: each transfer served, each step refused.
    std::function<void(const QByteArray &line)> onLog;
    // The parameter block changed (it is to be kept).
    std::function<void(const QByteArray &block)> onCommit;

private:
    using Reply = CardProtocol::Reply;
    using Request = CardProtocol::Request;

    Reply chipInformation();
    Reply setGpioMode(const Request &request);
    Reply configure();
    Reply getGpio(const Request &request);
    Reply setGpio(const Request &request);
    Reply read(const Request &request);
    Reply write(const Request &request);
    Reply release();

    Reply refuse(int code, const QByteArray &step, const QByteArray &reason);
    Reply refuseI2C(const QByteArray &step, int length);
    const QByteArray *block(int slave, int reg, bool writing) const;
    unsigned char answerLine();
    void dropPendingWrite(const QByteArray &reason);
    static QByteArray address(int slave, int reg);

    CardSettings m_settings;
    QByteArray m_parameterBlock;
    unsigned char m_modes[4] = {0, 0, 0, 0};
    unsigned char m_driven[2] = {1, 0}; // GPIO 0 idles high, GPIO 1 low
    bool m_busConfigured = false;
    int m_busyLeft = 0;
    // A write waiting for its acknowledgement through GPIO 1 and GPIO 3.
    bool m_writePending = false;
    QByteArray m_pendingBlock;
    int m_lateLeft = 0;
    bool m_answered = false;
};

#endif // VIRTUALCARD_H
