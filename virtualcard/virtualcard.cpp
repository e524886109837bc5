#include "virtualcard.h"

using CardProtocol::Reply;
using CardProtocol::Request;

namespace {

constexpr int blockSize = 8;
constexpr int parameterSlave = 0x52;
constexpr int informationSlave = 0x53;
constexpr int blockRegister = 0xF0;

enum Gpio { TransferGpio = 0, AcknowledgeGpio = 1, ReadyGpio = 2, AnswerGpio = 3 };

// Arguments each served entry point carries after the ids.
int argumentCount(const QByteArray &entry)
{
    if (entry == "GetChipInformation")
        return 0;
    if (entry == "Config_FastI2C_ById" || entry == "ReleaseHidDevice_ById")
        return 1;
    if (entry == "SetGpioMode_ById" || entry == "GetGpioEx_ById")
        return 2;
    if (entry == "SetGpioEx_ById")
        return 3;
    if (entry == "Fast_ReadI2C_ById" || entry == "Fast_WriteI2C_ById")
        return 7;
    return -1;
}

} // namespace

VirtualCard::VirtualCard(const CardSettings &settings, const QByteArray &parameterBlock)
    : m_settings(settings)
    , m_parameterBlock(parameterBlock)
{
}

Reply VirtualCard::serve(const Request &request)
{
    const int arguments = argumentCount(request.entry);
    if (arguments < 0)
        return refuse(CardProtocol::NotServed, request.entry, "not an entry point the card serves");
    if (request.arguments.size() != arguments)
        return refuse(CardProtocol::BadArgument, request.entry, "wrong number of arguments");
    if (request.vid != m_settings.vid || request.pid != m_settings.pid)
        return refuse(CardProtocol::NoCard, request.entry, "addressed to another card");
    if (const int code = m_settings.faults.take(request.entry))
        return refuse(code, request.entry, "injected fault");
    if (request.entry == "GetChipInformation")
        return chipInformation();
    if (request.entry == "SetGpioMode_ById")
        return setGpioMode(request);
    if (request.entry == "Config_FastI2C_ById")
        return configure();
    if (request.entry == "GetGpioEx_ById")
        return getGpio(request);
    if (request.entry == "SetGpioEx_ById")
        return setGpio(request);
    if (request.entry == "Fast_ReadI2C_ById")
        return read(request);
    if (request.entry == "Fast_WriteI2C_ById")
        return write(request);
    return release();
}

Reply VirtualCard::chipInformation()
{
    if (m_settings.chipSilent)
        return refuse(CardProtocol::ChipSilent, "chip information", "the chip does not answer");
    const char information[] = {'V', 'C', char(m_settings.pid >> 8), char(m_settings.pid & 0xFF), 1, 0};
    return Reply{CardProtocol::Ok, QByteArray(information, sizeof(information))};
}

Reply VirtualCard::setGpioMode(const Request &request)
{
    const int count = request.arguments.at(0);
    if (count < 0 || count > 4 || request.bytes.size() != count)
        return refuse(CardProtocol::BadArgument, "GPIO modes", "the card has GPIO 0 to 3");
    for (int i = 0; i < count; ++i) {
        if (uchar(request.bytes.at(i)) > 1)
            return refuse(CardProtocol::BadArgument, "GPIO modes", "a mode is 0 (card drives) or 1 (host drives)");
    }
    for (int i = 0; i < count; ++i)
        m_modes[i] = uchar(request.bytes.at(i));
    return Reply{};
}

Reply VirtualCard::configure()
{
    if (m_writePending)
        dropPendingWrite("not acknowledged before the next transfer");
    m_busConfigured = true;
    m_busyLeft = m_settings.gpio2Busy;
    return Reply{};
}

Reply VirtualCard::getGpio(const Request &request)
{
    const int gpio = request.arguments.at(0);
    unsigned char value = 0;
    switch (gpio) {
    case TransferGpio:
    case AcknowledgeGpio:
        value = m_driven[gpio];
        break;
    case ReadyGpio:
        value = m_busyLeft > 0 ? 0 : 1;
        m_busyLeft = qMax(0, m_busyLeft - 1);
        break;
    case AnswerGpio:
        value = answerLine();
        break;
    default:
        return refuse(CardProtocol::BadArgument, "GPIO read", "the card has GPIO 0 to 3");
    }
    return Reply{CardProtocol::Ok, QByteArray(1, char(value))};
}

// GPIO 3 answers a pending write once GPIO 0 is back high and GPIO 1 is raised, after the reads
// that the late-answer fault asks for; it stays high until GPIO 1 is lowered.
unsigned char VirtualCard::answerLine()
{
    if (m_writePending && !m_answered && m_driven[TransferGpio] && m_driven[AcknowledgeGpio]) {
        if (m_lateLeft > 0)
            --m_lateLeft;
        else
            m_answered = true;
    }
    return m_answered ? 1 : 0;
}

Reply VirtualCard::setGpio(const Request &request)
{
    const int gpio = request.arguments.at(0);
    const QByteArray step = "set GPIO " + QByteArray::number(gpio);
    if (gpio < 0 || gpio > 3)
        return refuse(CardProtocol::BadArgument, step, "the card has GPIO 0 to 3");
    if (gpio >= ReadyGpio)
        return refuse(CardProtocol::LineNotDriven, step, "the card drives this line");
    if (m_modes[gpio] != 1)
        return refuse(CardProtocol::LineNotDriven, step, "its mode does not let the host drive it");
    m_driven[gpio] = request.arguments.at(1) ? 1 : 0;
    if (gpio != AcknowledgeGpio || m_driven[gpio] || !m_writePending)
        return Reply{};
    if (!m_answered) {
        dropPendingWrite("GPIO 1 lowered before GPIO 3 answered");
        return Reply{CardProtocol::NotAcknowledged, {}};
    }
    m_parameterBlock = m_pendingBlock;
    m_writePending = false;
    m_answered = false;
    if (onLog)
        onLog("write " + address(parameterSlave, blockRegister) + ' ' + CardProtocol::hexBytes(m_parameterBlock));
    if (onCommit)
        onCommit(m_parameterBlock);
    return Reply{};
}

Reply VirtualCard::read(const Request &request)
{
    const int slave = request.arguments.at(0);
    const int reg = request.arguments.at(1);
    const int length = request.arguments.at(3);
    const QByteArray step = "read " + address(slave, reg);
    if (const QByteArray *bytes = block(slave, reg, false)) {
        if (!m_busConfigured || m_driven[TransferGpio] || length != blockSize)
            return refuseI2C(step, length);
        const QByteArray data = slave == informationSlave && reg != blockRegister ? bytes->mid(reg, blockSize) : *bytes;
        if (onLog)
            onLog(step + ' ' + CardProtocol::hexBytes(data));
        return Reply{CardProtocol::Ok, data};
    }
    return refuse(CardProtocol::NoSuchRegister, step, "no such register");
}

Reply VirtualCard::write(const Request &request)
{
    const int slave = request.arguments.at(0);
    const int reg = request.arguments.at(1);
    const int length = request.arguments.at(3);
    const QByteArray step = "write " + address(slave, reg);
    if (!block(slave, reg, true)) {
        return refuse(CardProtocol::NoSuchRegister, step,
                      block(slave, reg, false) ? "a read-only block" : "no such register");
    }
    if (!m_busConfigured || m_driven[TransferGpio] || length != blockSize || request.bytes.size() != length)
        return refuseI2C(step, length);
    if (m_writePending)
        dropPendingWrite("replaced by another write");
    m_writePending = true;
    m_pendingBlock = request.bytes;
    m_lateLeft = m_settings.gpio3Late;
    m_answered = false;
    return Reply{};
}

Reply VirtualCard::release()
{
    m_busConfigured = false;
    if (!m_writePending)
        return Reply{};
    dropPendingWrite("device released before GPIO 1 and GPIO 3 acknowledged it");
    return Reply{CardProtocol::NotAcknowledged, {}};
}

// The reason an I2C transfer to an existing block is refused.
Reply VirtualCard::refuseI2C(const QByteArray &step, int length)
{
    if (!m_busConfigured)
        return refuse(CardProtocol::BusNotConfigured, step, "the fast I2C bus is not configured");
    if (m_driven[TransferGpio])
        return refuse(CardProtocol::GpioHigh, step, "GPIO 0 is high");
    return refuse(CardProtocol::BadArgument, step,
                  "length " + QByteArray::number(length) + ", the block has " + QByteArray::number(blockSize));
}

// The register block at slave:register, or null when there is none; writing asks for a writable one.
const QByteArray *VirtualCard::block(int slave, int reg, bool writing) const
{
    if (slave == parameterSlave && reg == blockRegister)
        return &m_parameterBlock;
    if (writing || slave != informationSlave)
        return nullptr;
    if (reg == blockRegister)
        return &m_settings.firmware;
    if (reg == 0x00 || reg == 0x08)
        return &m_settings.serial;
    return nullptr;
}

void VirtualCard::dropPendingWrite(const QByteArray &reason)
{
    m_writePending = false;
    m_answered = false;
    refuse(CardProtocol::NotAcknowledged,
           "write " + address(parameterSlave, blockRegister) + ' ' + CardProtocol::hexBytes(m_pendingBlock), reason);
}

Reply VirtualCard::refuse(int code, const QByteArray &step, const QByteArray &reason)
{
    if (onLog)
        onLog("refused " + step + ": " + reason + " (" + QByteArray::number(code) + ')');
    return Reply{code, {}};
}

QByteArray VirtualCard::address(int slave, int reg)
{
    const auto hex = [](int value) { return QByteArray::number(value, 16).toUpper().rightJustified(2, '0'); };
    return hex(slave) + ':' + hex(reg);
}
