// The virtual card's command line: any arguments either give a usable card (serial and firmware
// blocks of their fixed sizes, a known model) or are refused with a message.

#include "cardcommandline.h"
#include "fuzzcheck.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace {

// --help and --list-models end the process by design; inputs that may ask for them are skipped. A
// long option's name may also be given with one dash when it has no short form, and short ones compact.
bool endsTheProcess(const QString &argument)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return false;
    QString name = argument.section(QLatin1Char('='), 0, 0);
    while (name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    return name.contains(QLatin1Char('h')) || name.contains(QLatin1Char('?')) || name.startsWith(QLatin1String("list"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QStringList arguments = {QStringLiteral("velora-virtualcard")};
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));
    for (const QByteArray &argument : input.split('\n')) {
        arguments << QString::fromUtf8(argument);
        if (endsTheProcess(arguments.constLast()))
            return 0;
    }
    CardOptions options;
    QString error;
    if (CardCommandLine::parse(arguments, &options, &error)) {
        FUZZ_CHECK(options.settings.serial.size() == 16);
        FUZZ_CHECK(options.settings.firmware.size() == 8);
        FUZZ_CHECK(options.settings.defaultBlock.size() == 8);
        FUZZ_CHECK(options.settings.model == QLatin1String("zq05") || options.settings.model == QLatin1String("zq06"));
        FUZZ_CHECK(options.settings.gpio2Busy >= 0 && options.settings.gpio3Late >= 0 && options.pullAfter >= 0);
        FUZZ_CHECK(!options.statePath.isEmpty());
    } else {
        FUZZ_CHECK(!error.isEmpty());
    }
    return 0;
}
