// The settings store on a damaged or hand-edited setting.ini: reading gives five band values per
// style whatever the file holds, and a value written afterwards is the value read back.

#include "fuzzcheck.h"
#include "settings/configfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {
QString iniPath;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Never a person's own settings.
    auto *home = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home->filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home->filePath(QStringLiteral("config"))));
    new QCoreApplication(*argc, *argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    QCoreApplication::setApplicationName(QStringLiteral("velora"));
    ConfigFile probe;
    iniPath = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + QStringLiteral("/config/setting.ini");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QFile file(iniPath);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    ConfigFile store;
    for (int style = 0; style < 4; ++style) {
        const QVariantList bands = store.getEqualizerConfig(style);
        FUZZ_CHECK(bands.size() == 5);
        for (const QVariant &band : bands)
            FUZZ_CHECK(band.type() == QVariant::Int);
    }
    store.getCustomText(0);

    store.saveEqualizerConfig(2, 3, 17);
    FUZZ_CHECK(store.getEqualizerConfig(2).at(3).toInt() == 17);
    const QString text = QStringLiteral("fuzz \u00e9 = ; [x]");
    store.setCustomText(5, text);
    FUZZ_CHECK(store.getCustomText(5) == text);
    FUZZ_CHECK(store.getEqualizerConfig(2).at(3).toInt() == 17);
    return 0;
}
