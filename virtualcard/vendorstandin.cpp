// The project's stand-in for the chip vendor's control library, for systems that have neither the
// library nor the card. It exports the same C entry points. The eight the program calls reach the
// virtual card with the call's vendor and product id through that card's socket on the virtual bus
// (see cardprotocol.h); every other entry point answers CardProtocol::NotServed. One more export says
// that no real card is served.

#include "cardconnection.h"
#include "cardprotocol.h"
#include "device/vendorapi.h"
#include "device/vendorentrypoints.h"

#include <cstring>
#include <type_traits>

#ifdef _WIN32
#define STANDIN_EXPORT extern "C" __declspec(dllexport)
#else
#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using CardProtocol::Reply;
using CardProtocol::Request;

namespace {

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
