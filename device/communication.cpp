#include "communication.h"

#include "errorprompt.h"
#include "parameterblock.h"
#include "vendorlibrary.h"

#include <QByteArray>
#include <QDebug>
#include <QThread>

#include <cstdint>

namespace {

constexpr int blockSize = 8;
constexpr int parameterSlave = 0x52;
constexpr int informationSlave = 0x53;
constexpr int blockRegister = 0xF0;
constexpr int serialRegister = 0x00;
constexpr int i2cTimeout = 3000;

enum Gpio { TransferGpio = 0, AcknowledgeGpio = 1, ReadyGpio = 2, AnswerGpio = 3 };

QString hexBytes(const unsigned char *bytes, int count)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char *>(bytes), count).toHex(' ').toUpper());
}

// One wait for a card-driven GPIO line to read non-zero, with the texts of its log and failures.
struct Poll
{
    int gpio;
    const char *logLabel;
    const char *readFailText;
    const char *timeoutText;
    const char *reraiseFailText; // non-null: raise GPIO 1 again before every further read
};

const Poll readGpio2Poll = {ReadyGpio, "GPIO2 value :", "readData fnDLL3S_GetGpioEx_ById fail:   return",
                            "readData fnDLL3S_GetGpioEx_ById timeout:   return", nullptr};
const Poll writeGpio2Poll = {ReadyGpio, "GPIO_2 value :",
                             "writeData fnDLL3S_GetGpioEx_ById_gpio2 fail:   return",
                             "writeData fnDLL3S_GetGpioEx_ById_gpio2 timeout:   return", nullptr};
const Poll writeGpio3Poll = {AnswerGpio, "GPIO_3 value :",
                             "writeData fnDLL3S_GetGpioEx_ById_gpio3 fail:   return",
                             "writeData fnDLL3S_GetGpioEx_ById_gpio3 timeout:   return",
                             "writeData GPIO_3=0 fnDLL3S_SetGpioEx_ById_gpio1 fail:   return"};

// The library calls of one transfer, each checked: the first failure shows the box and ends the
// transfer where it is (lines stay as they are, the device is not released).
class Transfer
{
public:
    Transfer(const VendorCalls *lib, int vid, int pid)
        : m_lib(lib), m_vid(static_cast<std::uint16_t>(vid)), m_pid(static_cast<std::uint16_t>(pid))
    {
    }

    bool configure(const char *failText) { return ok(m_lib->configFastI2C(m_vid, m_pid, 1), failText); }

    bool setGpio(int gpio, int value, const char *failText)
    {
        return ok(m_lib->setGpioEx(m_vid, m_pid, gpio, value, 1), failText);
    }

    bool read(int slave, int reg, unsigned char *buffer, const char *failText)
    {
        return ok(m_lib->fastReadI2C(m_vid, m_pid, slave, reg, 0, buffer, blockSize, i2cTimeout, 100, 6),
                  failText);
    }

    bool write(unsigned char *block, const char *failText)
    {
        return ok(m_lib->fastWriteI2C(m_vid, m_pid, parameterSlave, blockRegister, 0, block, blockSize,
                                      i2cTimeout, 0, 6),
                  failText);
    }

    bool release(const char *failText) { return ok(m_lib->releaseHidDevice(m_vid, m_pid, 1), failText); }

    bool waitFor(const Poll &poll)
    {
        unsigned char value = 1;
        if (!getGpio(poll.gpio, &value, poll.readFailText))
            return false;
        for (int polls = 0; value == 0; ++polls) {
            if (polls == Communication::maxPolls) {
                ErrorPrompt::show(QLatin1String(poll.timeoutText) + QString::number(polls));
                return false;
            }
            qDebug() << poll.logLabel << int(value);
            QThread::msleep(Communication::pollIntervalMs);
            if (poll.reraiseFailText && !setGpio(AcknowledgeGpio, 1, poll.reraiseFailText))
                return false;
            if (!getGpio(poll.gpio, &value, poll.readFailText))
                return false;
        }
        return true;
    }

private:
    bool getGpio(int gpio, unsigned char *value, const char *failText)
    {
        return ok(m_lib->getGpioEx(m_vid, m_pid, gpio, value, 1), failText);
    }

    static bool ok(int code, const char *failText)
    {
        if (code == 0)
            return true;
        ErrorPrompt::show(QLatin1String(failText) + QString::number(code));
        return false;
    }

    const VendorCalls *m_lib;
    std::uint16_t m_vid;
    std::uint16_t m_pid;
};

} // namespace

Communication::Communication(QObject *parent)
    : QObject(parent)
{
    const int code = VendorLibrary::loadVendorLibrary(VendorLibrary::fileName());
    if (code != 0)
        ErrorPrompt::show(QStringLiteral("initDev Open_DLL3S_UsbAudio16xx fail:   return") + QString::number(code));
}

// The library calls for an operation about to start, or null when it must not call the library: the
// library never loaded (already reported when this object was made), or an error box is open and
// this call comes from its nested event loop while the failed transfer has not returned yet.
const VendorCalls *Communication::startCalls(const char *operation) const
{
    const VendorCalls *lib = VendorLibrary::calls();
    if (!lib)
        qDebug().noquote() << QStringLiteral("***%1 not done: the card library is not loaded").arg(QLatin1String(operation));
    else if (ErrorPrompt::isOpen())
        qDebug().noquote() << QStringLiteral("***%1 held back while an error box is open").arg(QLatin1String(operation));
    else
        return lib;
    return nullptr;
}

bool Communication::init(int vid, int pid)
{
    m_vid = vid;
    m_pid = pid;
    // Never held back by an open box: it only sets the GPIO modes that every later transfer needs,
    // and skipping it would leave the card unusable for the rest of the run.
    const VendorCalls *lib = VendorLibrary::calls();
    if (!lib) {
        qDebug() << "***init not done: the card library is not loaded";
        return false;
    }
    const auto v = static_cast<std::uint16_t>(vid);
    const auto p = static_cast<std::uint16_t>(pid);
    unsigned char information[4] = {};
    unsigned char informationA = 0;
    unsigned char informationB = 0;
    if (lib->getChipInformation(v, p, information, &informationA, &informationB) != 0)
        return false;
    unsigned char modes[4] = {1, 1, 0, 0}; // GPIO 0 and 1 driven by the host, 2 and 3 by the card
    lib->setGpioMode(v, p, modes, 4, 1);
    qDebug() << "***init";
    return true;
}

bool Communication::readBlock(int slave, int firstRegister, int reads, unsigned char *buffer)
{
    if (!buffer)
        return false;
    const VendorCalls *lib = startCalls("readData");
    if (!lib)
        return false;
    Transfer transfer(lib, m_vid, m_pid);
    if (!transfer.configure("readData fnDLL3S_Config_FastI2C_ById fail:   return")
        || !transfer.waitFor(readGpio2Poll)
        || !transfer.setGpio(TransferGpio, 0, "readData fnDLL3S_SetGpioEx_ById fail:   return"))
        return false;
    for (int i = 0; i < reads; ++i) {
        if (!transfer.read(slave, firstRegister + i * blockSize, buffer + i * blockSize,
                           "readData fnDLL3S_Fast_ReadI2C_ById fail:   return"))
            return false;
    }
    return transfer.setGpio(TransferGpio, 1, "readData fnDLL3S_SetGpioEx_ById fail:   return")
        && transfer.release("readData fnDLL3S_ReleaseHidDevice_ById fail:   return");
}

bool Communication::readData(unsigned char *buffer)
{
    if (!readBlock(parameterSlave, blockRegister, 1, buffer))
        return false;
    qDebug().noquote() << "***read:" << hexBytes(buffer, blockSize);
    return true;
}

bool Communication::readSerialNumber(unsigned char *buffer)
{
    return readBlock(informationSlave, serialRegister, 2, buffer);
}

bool Communication::readFirmwareVersion(unsigned char *buffer)
{
    return readBlock(informationSlave, blockRegister, 1, buffer);
}

bool Communication::writeData()
{
    const VendorCalls *lib = startCalls("writeData");
    if (!lib)
        return false;
    unsigned char block[blockSize];
    ParameterBlock::instance().toBytes(block);
    Transfer transfer(lib, m_vid, m_pid);
    const char *gpio1FailText = "writeData fnDLL3S_SetGpioEx_ById_gpio1 fail:   return";
    if (!transfer.configure("writeData fnDLL3S_Config_FastI2C_ById fail:   return")
        || !transfer.waitFor(writeGpio2Poll)
        || !transfer.setGpio(TransferGpio, 0, "writeData fnDLL3S_SetGpioEx_ById fail:   return")
        || !transfer.write(block, "writeData fnDLL3S_Fast_WriteI2C_ById fail:   return")
        || !transfer.setGpio(TransferGpio, 1, "writeData fnDLL3S_SetGpioEx_ById_gpio0 fail:   return")
        || !transfer.setGpio(AcknowledgeGpio, 1, gpio1FailText)
        || !transfer.waitFor(writeGpio3Poll)
        || !transfer.setGpio(AcknowledgeGpio, 0, gpio1FailText)
        || !transfer.release("writeData fnDLL3S_ReleaseHidDevice_ById fail:   return"))
        return false;
    qDebug().noquote() << "***write:" << hexBytes(block, blockSize);
    return true;
}
