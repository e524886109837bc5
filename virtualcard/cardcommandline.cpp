#include "cardcommandline.h"

#include "device/cardmodels.h"

#include <QCommandLineParser>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

const char description[] = R"(Plays one zq05 or zq06 sound card for Velora on a system without one.

Starting it plugs the card in; ending it, however it ends (kill -9 included), pulls it out. While it
runs it listens on a local socket in the virtual bus folder, "velora-bus" in the runtime folder
($XDG_RUNTIME_DIR), named after its device text "velora-vcard#VID_0C76&PID_1000#<serial>". A
connection that sends nothing watches the card and is kept open. The project's stand-in vendor
library sends one text line per library call and reads one line back:
  request: <entry> <vid> <pid> [<argument> ...] [: <byte> ...]
  reply:   <code> [: <byte> ...]
(<entry> without "DLL3S_", ids as 4 hex digits, arguments decimal, bytes 2 hex digits each), e.g.
  Fast_ReadI2C_ById 0C76 1000 82 240 0 8 3000 100 6  ->  0 : 00 00 00 21 1D 23 1C 11

Behind the chip: the parameter block at slave 0x52 register 0xF0 (8 bytes, kept in the state file),
the firmware version at 0x53/0xF0, the serial number at 0x53/0x00 and 0x53/0x08; GPIO 0 and 1 are
driven by the program, GPIO 2 (ready) and GPIO 3 (write answer) by the card. Like hardware the card
is strict: an I2C transfer while GPIO 0 is high, before the bus is configured, to an unknown slave or
register, and a write not acknowledged through GPIO 1 and GPIO 3 are refused with a non-zero code.

Codes: 1001 no such card, 1002 card lost during the call, 1003 entry point not served,
1004 bad argument, 2001 GPIO 0 high, 2002 no such (writable) register, 2003 write not acknowledged,
2004 GPIO line not driven by the program, 2005 fast I2C not configured, 2006 chip silent.

--log prints one line per transfer served ("read 52:F0 ...", "write 52:F0 00 00 00 21 1D 23 1C 11")
and one per refused step ("refused ..."), plus "plugged in <socket>" and "pulled out".)";

bool validSerial(const QString &serial)
{
    if (serial.isEmpty() || serial.size() > 16)
        return false;
    for (QChar c : serial) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F || c == QLatin1Char('/') || c == QLatin1Char('#'))
            return false;
    }
    return true;
}

bool count(const QCommandLineParser &parser, const QString &name, int *value, QString *error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    *value = parser.value(name).toInt(&ok);
    if (ok && *value >= 0)
        return true;
    *error = QStringLiteral("--%1 takes a count (0 or more), not \"%2\"").arg(name, parser.value(name));
    return false;
}

} // namespace

bool CardCommandLine::parse(const QStringList &arguments, CardOptions *options, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(description));
    parser.addHelpOption();
    parser.addOptions({
        {"model", "The card model: zq05 (product 0x1000, the default) or zq06 (0x1001).", "zq05|zq06", "zq05"},
        {"serial", "The serial number, 1 to 16 printable ASCII characters without '/' or '#' "
                   "(default VC05000000001 or VC06000000001).", "text"},
        {"firmware", "The firmware version text, 1 to 8 bytes (default VC-2.14).", "text", "VC-2.14"},
        {"state", "The file that keeps the parameter block (default "
                  "~/.local/share/velora-virtualcard/<model>-<serial>.state). A fresh card holds flag 0, "
                  "both mutes 0 and the model's default bands.", "file"},
        {"log", "Print each transfer served and each step refused."},
        {"trace", "Also print every library call served: \"call <request> -> <reply>\"."},
        {"gpio2-busy", "Hold GPIO 2 low for the first N reads of every transfer.", "N"},
        {"gpio3-late", "Answer a write on GPIO 3 only after N reads.", "N"},
        {"fail", "Fail the calls of entry point NAME (without or with \"DLL3S_\") with CODE, TIMES times "
                 "(a count, or \"always\"; 1 by default) after SKIP calls served normally (0 by default). "
                 "Repeatable.", "NAME:CODE[:TIMES[:SKIP]]"},
        {"chip-silent", "The chip does not answer the information query."},
        {"pull-after", "Pull the card out (end the process) after serving N library calls.", "N"},
        {"list-models", "Print one line per model, \"<model> <vendor id> <product id>\" in hex, and end."},
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("list-models"))) {
        for (const CardModel &model : CardModels::table)
            std::printf("%s %04X %04X\n", model.name, model.vendorId, model.productId);
        std::exit(0);
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst());
        return false;
    }

    CardSettings &settings = options->settings;
    const CardModel *model = CardModels::byName(parser.value(QStringLiteral("model")));
    if (!model) {
        *error = QStringLiteral("--model is zq05 or zq06, not \"%1\"").arg(parser.value(QStringLiteral("model")));
        return false;
    }
    settings.model = QString::fromLatin1(model->name);
    settings.vid = model->vendorId;
    settings.pid = model->productId;
    settings.defaultBlock = QByteArray(3, '\0')
        + QByteArray(reinterpret_cast<const char *>(model->factoryBands.data()), int(model->factoryBands.size()));

    const QString serial = parser.isSet(QStringLiteral("serial"))
        ? parser.value(QStringLiteral("serial"))
        : QStringLiteral("VC") + QLatin1String(model->name).mid(2) + QStringLiteral("000000001");
    if (!validSerial(serial)) {
        *error = QStringLiteral("--serial takes 1 to 16 printable ASCII characters without '/' or '#'");
        return false;
    }
    settings.serial = serial.toLatin1().leftJustified(16, '\0');

    const QByteArray firmware = parser.value(QStringLiteral("firmware")).toUtf8();
    if (firmware.isEmpty() || firmware.size() > 8 || firmware.contains('\0')) {
        *error = QStringLiteral("--firmware takes 1 to 8 bytes of text");
        return false;
    }
    settings.firmware = firmware.leftJustified(8, '\0');

    options->statePath = parser.isSet(QStringLiteral("state"))
        ? parser.value(QStringLiteral("state"))
        : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/velora-virtualcard/%1-%2.state").arg(settings.model, serial);
    // An empty name (also what a name beginning with a zero byte comes to) names no file to keep the block in.
    if (options->statePath.isEmpty()) {
        *error = QStringLiteral("--state takes the name of a file");
        return false;
    }
    options->log = parser.isSet(QStringLiteral("log"));
    options->trace = parser.isSet(QStringLiteral("trace"));
    settings.chipSilent = parser.isSet(QStringLiteral("chip-silent"));
    for (const QString &fault : parser.values(QStringLiteral("fail"))) {
        if (!settings.faults.add(fault, error))
            return false;
    }
    return count(parser, QStringLiteral("gpio2-busy"), &settings.gpio2Busy, error)
        && count(parser, QStringLiteral("gpio3-late"), &settings.gpio3Late, error)
        && count(parser, QStringLiteral("pull-after"), &options->pullAfter, error);
}
