// The project's stand-in for the chip vendor's control library, for systems that have neither the
// library nor the card. It exports the same C entry points. The eight the program calls reach the
// virtual card with the call's vendor and product id through that card's socket on the virtual bus
// (see cardprotocol.h); every other entry point answers CardProtocol::NotServed. One more export says
// that no real card is served.

#include "cardprotocol.h"
#include "device/vendorapi.h"
#include "device/vendorentrypoints.h"
#include "device/virtualbus.h"

#include <QDir>
#include <QFile>

#include <cstring>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <type_traits>
#include <unistd.h>

#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))

using CardProtocol::Reply;
using CardProtocol::Request;

namespace {

// A card that does not answer within this time counts as gone.
constexpr int answerTimeoutSeconds = 5;

class CardConnection
{
public:
    ~CardConnection()
    {
        if (m_socket >= 0)
            ::close(m_socket);
    }

    // Connects to the first listening card whose device text carries the ids; stale socket files of
    // cards that died refuse the connection and are passed over.
    bool open(int vid, int pid)
    {
        const QDir bus(VirtualBus::folder());
        const QString ids = VirtualBus::idText(vid, pid);
        for (const QString &name : bus.entryList(QDir::System | QDir::Files, QDir::Name)) {
            if (name.contains(ids) && connectTo(QFile::encodeName(bus.filePath(name))))
                return true;
        }
        return false;
    }

    bool send(const QByteArray &line)
    {
        const QByteArray data = line + '\n';
        for (qsizetype sent = 0; sent < data.size();) {
            const ssize_t n = ::send(m_socket, data.constData() + sent, data.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += n;
        }
        return true;
    }

    // The card answers each request with exactly one line.
    bool receiveLine(QByteArray *line)
    {
        line->clear();
        char chunk[256];
        while (!line->endsWith('\n')) {
            const ssize_t n = ::recv(m_socket, chunk, sizeof(chunk), 0);
            if (n <= 0)
                return false;
            line->append(chunk, static_cast<int>(n));
        }
        line->chop(1);
        return true;
    }

private:
    bool connectTo(const QByteArray &path)
    {
        sockaddr_un address = {};
        if (path.size() >= static_cast<int>(sizeof(address.sun_path)))
            return false;
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), path.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0) {
            ::close(fd);
            return false;
        }
        const timeval timeout = {answerTimeoutSeconds, 0};
        setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
        setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof(timeout));
        m_socket = fd;
        return true;
    }

    int m_socket = -1;
};

Reply call(const char *entry, std::uint16_t vid, std::uint16_t pid, QVector<int> arguments,
           QByteArray bytes = QByteArray())
{
    Reply reply;
    CardConnection card;
    if (!card.open(vid, pid)) {
        reply.code = CardProtocol::NoCard;
        return reply;
    }
    QByteArray line;
    const Request request{entry, vid, pid, std::move(arguments), std::move(bytes)};
    if (!card.send(request.toLine()) || !card.receiveLine(&line) || !reply.parse(line)) {
        reply.code = CardProtocol::CardLost;
        reply.bytes.clear();
    }
    return reply;
}

QByteArray bytesAt(const unsigned char *data, int length)
{
    return QByteArray(reinterpret_cast<const char *>(data), length);
}

// Copies a successful reply's bytes out; a reply of the wrong size counts as a lost card.
int copyOut(const Reply &reply, unsigned char *out, int length)
{
    if (reply.code != CardProtocol::Ok)
        return reply.code;
    if (reply.bytes.size() != length)
        return CardProtocol::CardLost;
    std::memcpy(out, reply.bytes.constData(), length);
    return CardProtocol::Ok;
}

} // namespace

STANDIN_EXPORT int DLL3S_GetChipInformation(std::uint16_t vid, std::uint16_t pid, unsigned char *info4,
                                             unsigned char *infoA, unsigned char *infoB)
{
    if (!info4 || !infoA || !infoB)
        return CardProtocol::BadArgument;
    unsigned char information[6] = {};
    const int code = copyOut(call("GetChipInformation", vid, pid, {}), information, 6);
    if (code == CardProtocol::Ok) {
        std::memcpy(info4, information, 4);
        *infoA = information[4];
        *infoB = information[5];
    }
    return code;
}

STANDIN_EXPORT int DLL3S_SetGpioMode_ById(std::uint16_t vid, std::uint16_t pid, unsigned char *modes, int count,
                                           int flag)
{
    if (!modes || count < 0 || count > 64)
        return CardProtocol::BadArgument;
    return call("SetGpioMode_ById", vid, pid, {count, flag}, bytesAt(modes, count)).code;
}

STANDIN_EXPORT int DLL3S_Config_FastI2C_ById(std::uint16_t vid, std::uint16_t pid, int flag)
{
    return call("Config_FastI2C_ById", vid, pid, {flag}).code;
}

STANDIN_EXPORT int DLL3S_GetGpioEx_ById(std::uint16_t vid, std::uint16_t pid, int gpio, unsigned char *value,
                                         int flag)
{
    if (!value)
        return CardProtocol::BadArgument;
    return copyOut(call("GetGpioEx_ById", vid, pid, {gpio, flag}), value, 1);
}

STANDIN_EXPORT int DLL3S_SetGpioEx_ById(std::uint16_t vid, std::uint16_t pid, int gpio, int value, int flag)
{
    return call("SetGpioEx_ById", vid, pid, {gpio, value, flag}).code;
}

STANDIN_EXPORT int DLL3S_Fast_ReadI2C_ById(std::uint16_t vid, std::uint16_t pid, int slave, int reg, int fixedA,
                                            unsigned char *buffer, int length, int timeout, int fixedB,
                                            int fixedC)
{
    if (!buffer || length < 0 || length > 256)
        return CardProtocol::BadArgument;
    const Reply reply = call("Fast_ReadI2C_ById", vid, pid, {slave, reg, fixedA, length, timeout, fixedB, fixedC});
    return copyOut(reply, buffer, length);
}

STANDIN_EXPORT int DLL3S_Fast_WriteI2C_ById(std::uint16_t vid, std::uint16_t pid, int slave, int reg, int fixedA,
                                             unsigned char *data, int length, int timeout, int fixedB,
                                             int fixedC)
{
    if (!data || length < 0 || length > 256)
        return CardProtocol::BadArgument;
    return call("Fast_WriteI2C_ById", vid, pid, {slave, reg, fixedA, length, timeout, fixedB, fixedC},
                bytesAt(data, length))
        .code;
}

STANDIN_EXPORT int DLL3S_ReleaseHidDevice_ById(std::uint16_t vid, std::uint16_t pid, int flag)
{
    return call("ReleaseHidDevice_ById", vid, pid, {flag}).code;
}

// Tells the program that this library reaches virtual cards only, so that a real card is stated as
// one it cannot control instead of being met with failing calls. Named by virtualCardsOnlyMarker.
STANDIN_EXPORT int Velora_ServesVirtualCardsOnly()
{
    return 1;
}

// The served entry points keep the binding's signatures.
#define STANDIN_CHECK_SIGNATURE(name) \
    static_assert(std::is_same<decltype(&DLL3S_##name), DLL3S_##name##_t>::value, #name);
STANDIN_CHECK_SIGNATURE(GetChipInformation)
STANDIN_CHECK_SIGNATURE(SetGpioMode_ById)
STANDIN_CHECK_SIGNATURE(Config_FastI2C_ById)
STANDIN_CHECK_SIGNATURE(GetGpioEx_ById)
STANDIN_CHECK_SIGNATURE(SetGpioEx_ById)
STANDIN_CHECK_SIGNATURE(Fast_ReadI2C_ById)
STANDIN_CHECK_SIGNATURE(Fast_WriteI2C_ById)
STANDIN_CHECK_SIGNATURE(ReleaseHidDevice_ById)

// Every other entry point exists, takes whatever it is given and answers with the same fixed code.
#define STANDIN_ENTRY_called(name)
#define STANDIN_ENTRY_unused(name) \
    STANDIN_EXPORT int DLL3S_##name(...) { return CardProtocol::NotServed; }
#define STANDIN_ENTRY(name, kind) STANDIN_ENTRY_##kind(name)
VELORA_VENDOR_ENTRY_POINTS(STANDIN_ENTRY)
