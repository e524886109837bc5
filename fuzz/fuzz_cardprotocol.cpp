// The virtual card's line protocol: any line either fails to parse or parses into a request that
// reads back the same from its own text; every request, however odd, gets a reply that parses.
// The lines of one input are served in turn by one card, so that handshake states are reached.

#include "cardprotocol.h"
#include "fuzzcheck.h"
#include "virtualcard.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

using CardProtocol::Reply;
using CardProtocol::Request;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CardSettings settings;
    settings.model = QStringLiteral("zq05");
    settings.vid = 0x0C76;
    settings.pid = 0x1000;
    settings.serial = QByteArray("VC05000000001").leftJustified(16, '\0');
    settings.firmware = QByteArray("VC-2.14").leftJustified(8, '\0');
    settings.defaultBlock = QByteArray::fromHex("000000211D231C11");
    VirtualCard card(settings, settings.defaultBlock);

    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    for (const QByteArray &line : input.split('\n')) {
        Request request;
        if (request.parse(line)) {
            Request again;
            FUZZ_CHECK(again.parse(request.toLine()));
            FUZZ_CHECK(again.entry == request.entry && again.vid == request.vid && again.pid == request.pid
                       && again.arguments == request.arguments && again.bytes == request.bytes);
            const Reply reply = card.serve(request);
            Reply read;
            FUZZ_CHECK(read.parse(reply.toLine()));
            FUZZ_CHECK(read.code == reply.code && read.bytes == reply.bytes);
            FUZZ_CHECK(card.parameterBlock().size() == 8);
        }
        Reply reply;
        if (reply.parse(line)) {
            Reply again;
            FUZZ_CHECK(again.parse(reply.toLine()));
            FUZZ_CHECK(again.code == reply.code && again.bytes == reply.bytes);
        }
    }
    return 0;
}
