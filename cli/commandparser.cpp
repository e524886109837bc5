#include "commandparser.h"

#include "programversion.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace {

// The built-in style names on the command line, by style index; never translated, so that scripts
// work in every language.
const char *const styleWords[] = {"pop", "dance", "jazz", "rock"};

struct Options
{
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, CommandParser::tr("显示此帮助并退出。")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, CommandParser::tr("显示版本并退出。")};
    QCommandLineOption status{QStringLiteral("status"),
                              CommandParser::tr("显示声卡的型号、序列号、固件版本、静音和五个频段。")};
    QCommandLineOption json{QStringLiteral("json"),
                            CommandParser::tr("与 --status、--list-cards 或 --list-presets 一起：以 JSON 输出。")};
    QCommandLineOption micMute{QStringLiteral("mic-mute"), CommandParser::tr("麦克风静音。"), QStringLiteral("on|off|toggle")};
    QCommandLineOption playMute{QStringLiteral("play-mute"), CommandParser::tr("播放静音。"), QStringLiteral("on|off|toggle")};
    QCommandLineOption style{QStringLiteral("style"),
                             CommandParser::tr("应用均衡器风格：pop、dance、jazz、rock、自定义名称或 0..3。"),
                             QStringLiteral("name")};
    QCommandLineOption eq{QStringLiteral("eq"),
                          CommandParser::tr("设置频段，任意子集，值为 0..43：60=N,300=N,1200=N,3600=N,12000=N。"),
                          QStringLiteral("bands")};
    QCommandLineOption original{QStringLiteral("original"), CommandParser::tr("恢复型号的出厂频段并取消静音。")};
    QCommandLineOption listCards{QStringLiteral("list-cards"), CommandParser::tr("列出已连接的声卡。")};
    QCommandLineOption listPresets{QStringLiteral("list-presets"), CommandParser::tr("列出保存的预设（损坏的文件注明原因）。")};
    QCommandLineOption preset{QStringLiteral("preset"), CommandParser::tr("把预设的五个频段写入声卡。"), QStringLiteral("name")};
    QCommandLineOption importPreset{QStringLiteral("import-preset"),
                                    CommandParser::tr("导入 Velora 预设文件或 GraphicEQ 均衡器文本，保存为预设。"),
                                    QStringLiteral("file")};
    QCommandLineOption name{QStringLiteral("name"), CommandParser::tr("与 --import-preset 一起：预设的名称。"),
                            QStringLiteral("name")};
    QCommandLineOption exportPreset{QStringLiteral("export-preset"),
                                    CommandParser::tr("把预设写入文件：--export-preset 名称 文件。"), QStringLiteral("name")};
    QCommandLineOption savePreset{QStringLiteral("save-preset"), CommandParser::tr("把声卡当前的频段保存为新预设。"),
                                  QStringLiteral("name")};

    QList<QCommandLineOption> all() const
    {
        return {help,      version,     status, json,         micMute,      playMute, style,
                eq,        original,    listCards, listPresets, preset,    importPreset, name,
                exportPreset, savePreset};
    }
};

// Qt's own options for a window start (the GUI's and the widgets'), taken with one or two dashes; the
// first group takes the next argument as its value.
const char *const qtValueOptions[] = {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                                      "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "session",
                                      "display", "name", "style", "stylesheet"};
const char *const qtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

QString optionName(const QString &argument)
{
    QString name = argument.section(QLatin1Char('='), 0, 0);
    name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
    return name;
}

template <size_t N>
bool listed(const char *const (&names)[N], const QString &name)
{
    return std::any_of(std::begin(names), std::end(names), [&name](const char *known) { return name == QLatin1String(known); });
}

bool isQtOption(const QString &argument)
{
    const QString name = optionName(argument);
    return listed(qtValueOptions, name) || listed(qtFlagOptions, name) || name == QLatin1String("qmljsdebugger");
}

// An option Qt reads with its value in the next argument ("-style fusion", not "-style=fusion").
bool takesNextArgument(const QString &argument)
{
    return !argument.contains(QLatin1Char('=')) && listed(qtValueOptions, optionName(argument));
}

} // namespace

bool CommandParser::namesAnOption(const QStringList &arguments)
{
    const Options options;
    QStringList names;
    for (const QCommandLineOption &option : options.all()) {
        // Long names only with two dashes: Qt's own "-style" for the window stays Qt's.
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    }
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (names.contains(argument.section(QLatin1Char('='), 0, 0)))
            return true;
        // A mistyped option is refused as a command would be, rather than opening the window.
        if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')) && !isQtOption(argument))
            return true;
        if (isQtOption(argument) && takesNextArgument(argument))
            ++i;
    }
    return false;
}

CommandParser::CommandParser(std::function<QStringList()> styleNames) : m_styleNames(std::move(styleNames)) {}

CommandParser::Outcome CommandParser::parse(const QStringList &arguments)
{
    const Options options;
    if (!namesAnOption(arguments))
        return Plain;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options.all());
    if (!parser.parse(arguments)) {
        m_error = parser.errorText();
        return Invalid;
    }
    if (parser.isSet(options.help))
        return Help;
    if (parser.isSet(options.version))
        return Version;
    const std::pair<const QCommandLineOption *, CardCommand::Action> actions[] = {
        {&options.status, CardCommand::Status},     {&options.listCards, CardCommand::ListCards},
        {&options.micMute, CardCommand::MicMute},   {&options.playMute, CardCommand::PlayMute},
        {&options.style, CardCommand::Style},       {&options.eq, CardCommand::Eq},
        {&options.original, CardCommand::Original}, {&options.listPresets, CardCommand::ListPresets},
        {&options.preset, CardCommand::Preset},     {&options.importPreset, CardCommand::ImportPreset},
        {&options.exportPreset, CardCommand::ExportPreset}, {&options.savePreset, CardCommand::SavePreset},
    };
    int given = 0;
    const QCommandLineOption *chosen = nullptr;
    for (const auto &action : actions) {
        // A repeated option counts as two commands: only one is carried out per start.
        const int times = parser.values(*action.first).size() + (action.first->valueName().isEmpty() && parser.isSet(*action.first) ? 1 : 0);
        given += times;
        if (times > 0) {
            chosen = action.first;
            m_command.action = action.second;
        }
    }
    if (given != 1) {
        m_error = given == 0 ? companionError(parser, options.name) : tr("一次只能给一个命令");
        return Invalid;
    }
    m_command.json = parser.isSet(options.json);
    if (m_command.json && m_command.action != CardCommand::Status && m_command.action != CardCommand::ListCards
        && m_command.action != CardCommand::ListPresets) {
        m_error = jsonError();
        return Invalid;
    }
    if (parser.isSet(options.name) && m_command.action != CardCommand::ImportPreset) {
        m_error = nameError();
        return Invalid;
    }
    const QStringList extra = parser.positionalArguments();
    if (extra.size() != (m_command.action == CardCommand::ExportPreset ? 1 : 0)) {
        m_error = m_command.action == CardCommand::ExportPreset ? tr("--export-preset 需要预设名称和一个文件")
                                                                 : tr("多余的参数：%1").arg(extra.join(QLatin1Char(' ')));
        return Invalid;
    }
    const QString value = chosen->valueName().isEmpty() ? QString() : parser.value(*chosen);
    bool valid = true;
    switch (m_command.action) {
    case CardCommand::MicMute:
    case CardCommand::PlayMute:
        valid = parseSwitch(value, &m_command.mute);
        break;
    case CardCommand::Style:
        valid = parseStyle(value, &m_command.style);
        if (!valid)
            m_error = tr("未知的风格：%1").arg(value);
        break;
    case CardCommand::Eq:
        valid = parseBands(value, &m_command.bands);
        break;
    case CardCommand::Preset:
    case CardCommand::SavePreset:
    case CardCommand::ExportPreset:
    case CardCommand::ImportPreset:
        valid = parsePreset(value, extra.value(0), parser.value(options.name));
        break;
    default:
        break;
    }
    return valid ? Command : Invalid;
}

QString CommandParser::jsonError()
{
    return tr("--json 只能与 --status、--list-cards 或 --list-presets 一起使用");
}

QString CommandParser::nameError()
{
    return tr("--name 只能与 --import-preset 一起使用");
}

// What a companion option given without its command is missing.
QString CommandParser::companionError(const QCommandLineParser &parser, const QCommandLineOption &name)
{
    return parser.isSet(name) ? nameError() : jsonError();
}

// A preset's name (empty only for an import, which then takes the file's) and a file, made absolute
// here, as a running window carries the command out in a folder of its own.
bool CommandParser::parsePreset(const QString &value, const QString &file, const QString &name)
{
    const bool import = m_command.action == CardCommand::ImportPreset;
    m_command.name = (import ? name : value).trimmed();
    if (!import && m_command.name.isEmpty()) {
        m_error = tr("预设名称不能为空");
        return false;
    }
    const QString path = import ? value : file;
    if (!path.isEmpty())
        m_command.file = QFileInfo(path).absoluteFilePath();
    return true;
}

bool CommandParser::parseSwitch(const QString &text, CardCommand::Switch *value)
{
    const QString word = text.toLower();
    if (word == QLatin1String("on"))
        *value = CardCommand::On;
    else if (word == QLatin1String("off"))
        *value = CardCommand::Off;
    else if (word == QLatin1String("toggle"))
        *value = CardCommand::Toggle;
    else {
        m_error = tr("应为 on、off 或 toggle：%1").arg(text);
        return false;
    }
    return true;
}

// An index first, then the built-in names (any case), then the user's names (exactly as stored): a
// user's name that repeats a built-in one does not take the built-in name away from scripts.
bool CommandParser::parseStyle(const QString &text, int *index) const
{
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    if (isNumber) {
        *index = number;
        return Equalizer::isStyle(number);
    }
    for (int i = 0; i < Equalizer::styleCount; ++i) {
        if (text.compare(QLatin1String(styleWords[i]), Qt::CaseInsensitive) == 0) {
            *index = i;
            return true;
        }
    }
    const int custom = text.isEmpty() || !m_styleNames ? -1 : m_styleNames().indexOf(text);
    if (!Equalizer::isStyle(custom))
        return false;
    *index = custom;
    return true;
}

bool CommandParser::parseBands(const QString &text, QMap<int, int> *bands)
{
    for (const QString &item : text.split(QLatin1Char(','))) {
        const QStringList pair = item.split(QLatin1Char('='));
        bool hertzValid = false;
        bool gainValid = false;
        const int hertz = pair.value(0).trimmed().toInt(&hertzValid);
        const int gain = pair.value(1).trimmed().toInt(&gainValid);
        int band = -1;
        for (int i = 0; i < Equalizer::bandCount; ++i) {
            if (hertzValid && Equalizer::bandHertz[i] == hertz)
                band = i;
        }
        if (pair.size() != 2 || band < 0 || !gainValid || gain < 0 || gain > CardCommand::maxBandValue
            || bands->contains(band)) {
            m_error = tr("频段应为 60、300、1200、3600 或 12000，各一次，值为 0..43：%1").arg(item);
            return false;
        }
        bands->insert(band, gain);
    }
    return true;
}

QString CommandParser::helpText()
{
    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Velora 声卡控制面板。不带选项时打开窗口；带一个命令时，"
                                        "命令交给正在运行的窗口执行，没有窗口时直接作用于声卡。"));
    parser.addOptions(options.all());
    return parser.helpText() + tr("\n退出码：\n  0   完成\n  2   没有声卡\n  3   声卡拒绝或失败（原因输出到 stderr）\n"
                                  "  64  选项或值无效\n")
           + tr("\n--status --json 输出一个对象（字段名固定，不翻译）：\n")
           + QStringLiteral("  {\"bands\":{\"1200\":35,\"12000\":17,\"300\":29,\"3600\":28,\"60\":33},\"connected\":true,\n"
                            "   \"firmware\":\"VC-2.14\",\"micMute\":false,\"model\":\"zq05\",\"playMute\":false,\n"
                            "   \"serial\":\"VC05000000001\",\"style\":null,\"version\":1}\n")
           + tr("  style 为选中的风格 0..3，未知时为 null。\n")
           + tr("--list-cards --json 输出一个数组，每个声卡一个对象：\n")
           + QStringLiteral("  [{\"device\":\"...\",\"model\":\"zq05\",\"productId\":\"1000\",\"vendorId\":\"0C76\"}]\n")
           + tr("--list-presets --json 输出一个数组，每个预设一个对象；损坏的文件 damaged 为 true，reason 说明原因：\n")
           + QStringLiteral("  [{\"bands\":{\"1200\":21,\"12000\":27,\"300\":25,\"3600\":22,\"60\":30},\n"
                            "    \"dB\":{\"1200\":-0.23,\"12000\":2.56,\"300\":1.63,\"3600\":0.23,\"60\":3.95},\n"
                            "    \"damaged\":false,\"file\":\"...\",\"name\":\"...\",\"note\":\"\",\"reason\":\"\"}]\n");
}

QString CommandParser::versionText()
{
    return QStringLiteral("velora %1\n").arg(ProgramVersion::text());
}

QString CommandParser::usageHint()
{
    return tr("用法：velora --status [--json] | --mic-mute|--play-mute on|off|toggle | --style 名称 | "
              "--eq 60=N,... | --original | --list-cards [--json] | --list-presets [--json] | --preset 名称 | "
              "--import-preset 文件 [--name 名称] | --export-preset 名称 文件 | --save-preset 名称；详见 velora --help");
}
