#include "cardrunner.h"

#include "device/cardcontrol.h"
#include "device/cardmodels.h"
#include "device/detectiondevice.h"
#include "device/parameterblock.h"
#include "device/soundcardbase.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace {

// The one version of the JSON answers; a field is only ever added, never renamed or retyped.
constexpr int jsonVersion = 1;

QString onOff(bool on)
{
    return on ? QCoreApplication::translate("CardRunner", "开") : QCoreApplication::translate("CardRunner", "关");
}

QString oneLine(const QJsonDocument &document)
{
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

QString hex4(int id)
{
    return QStringLiteral("%1").arg(id, 4, 16, QLatin1Char('0')).toUpper();
}

QString yesNo(bool yes)
{
    return yes ? QCoreApplication::translate("CardRunner", "是") : QCoreApplication::translate("CardRunner", "否");
}

CardControl::Change change(CardCommand::Switch wanted)
{
    switch (wanted) {
    case CardCommand::On:
        return CardControl::On;
    case CardCommand::Toggle:
        return CardControl::Toggle;
    default:
        return CardControl::Off;
    }
}

bool carriedOut(CardControl &control, const CardCommand &command)
{
    switch (command.action) {
    case CardCommand::MicMute:
        return control.changeMute(CardControl::MicMute, change(command.mute));
    case CardCommand::PlayMute:
        return control.changeMute(CardControl::PlayMute, change(command.mute));
    case CardCommand::Style:
        return control.applyStyle(command.style);
    case CardCommand::Eq:
        return control.setBands(command.bands);
    case CardCommand::Original:
        return control.restoreOriginal();
    case CardCommand::Preset:
        return control.applyBands(QVariantList(command.bands.cbegin(), command.bands.cend()));
    default:
        return false;
    }
}

} // namespace

void CardRunner::apply(CardControl &control, const CardCommand &command, CommandAnswer *answer)
{
    if (carriedOut(control, command))
        return;
    answer->exitCode = CommandExit::cardFailed;
    if (answer->err.isEmpty())
        answer->err = QCoreApplication::translate("CardRunner", "velora: 命令未能完成\n");
}

QJsonObject CardRunner::status(SoundCardBase &model, bool connected, int style)
{
    const ParameterBlock &block = ParameterBlock::instance();
    QJsonObject bands;
    for (int i = 0; i < Equalizer::bandCount; ++i)
        bands.insert(QString::number(Equalizer::bandHertz[i]), int(block.band(i)));
    return {{QStringLiteral("version"), jsonVersion},
            {QStringLiteral("model"), model.getDevType()},
            {QStringLiteral("serial"), model.getSNCode()},
            {QStringLiteral("firmware"), model.getFirmwareVer()},
            {QStringLiteral("connected"), connected},
            {QStringLiteral("micMute"), block.micMute != 0},
            {QStringLiteral("playMute"), block.playMute != 0},
            {QStringLiteral("bands"), bands},
            {QStringLiteral("style"), style >= 0 ? QJsonValue(style) : QJsonValue()}};
}

QString CardRunner::statusText(const QJsonObject &status)
{
    const QJsonObject bands = status.value(QStringLiteral("bands")).toObject();
    QStringList bandTexts;
    for (int hertz : Equalizer::bandHertz)
        bandTexts << QStringLiteral("%1=%2").arg(hertz).arg(bands.value(QString::number(hertz)).toInt());
    const QJsonValue style = status.value(QStringLiteral("style"));
    return QCoreApplication::translate("CardRunner", "型号：%1\n序列号：%2\n固件：%3\n已连接：%4\n麦克风静音：%5\n播放静音：%6\n频段：%7\n风格：%8\n")
        .arg(status.value(QStringLiteral("model")).toString(), status.value(QStringLiteral("serial")).toString(),
             status.value(QStringLiteral("firmware")).toString(), yesNo(status.value(QStringLiteral("connected")).toBool()),
             onOff(status.value(QStringLiteral("micMute")).toBool()), onOff(status.value(QStringLiteral("playMute")).toBool()),
             bandTexts.join(QLatin1Char(' ')), style.isNull() ? QCoreApplication::translate("CardRunner", "未知") : QString::number(style.toInt()));
}

QString CardRunner::statusOutput(const QJsonObject &status, bool json)
{
    return json ? oneLine(QJsonDocument(status)) : statusText(status);
}

QJsonArray CardRunner::cards(const QStringList &deviceTexts)
{
    QJsonArray list;
    for (const QString &text : deviceTexts) {
        // The detector lists only the table's cards.
        const CardModel *model = CardModels::inDeviceText(text);
        if (!model)
            continue;
        list.append(QJsonObject{{QStringLiteral("model"), QLatin1String(model->name)},
                                {QStringLiteral("vendorId"), hex4(model->vendorId)},
                                {QStringLiteral("productId"), hex4(model->productId)},
                                {QStringLiteral("device"), text}});
    }
    return list;
}

QString CardRunner::cardsText(const QJsonArray &cards)
{
    QString text;
    for (const QJsonValue &card : cards) {
        const QJsonObject object = card.toObject();
        text += QStringLiteral("%1 %2:%3 %4\n")
                    .arg(object.value(QStringLiteral("model")).toString(), object.value(QStringLiteral("vendorId")).toString(),
                         object.value(QStringLiteral("productId")).toString(), object.value(QStringLiteral("device")).toString());
    }
    return text;
}

QString CardRunner::cardsOutput(const QJsonArray &cards, bool json)
{
    return json ? oneLine(QJsonDocument(cards)) : cardsText(cards);
}

bool CardRunner::refuseUnusableCard(DetectionDevice::CardAccess access, CommandAnswer *answer)
{
    switch (access) {
    case DetectionDevice::CardNotOpenable:
        answer->err = QCoreApplication::translate(
            "HeadlessCommand", "velora: 已找到声卡，但当前用户无权打开它。请安装 Velora 附带的 udev 规则（60-velora.rules），然后拔下声卡再插上\n");
        break;
    case DetectionDevice::CardUnserved:
        answer->err = QCoreApplication::translate("HeadlessCommand", "velora: 已找到声卡，但本系统上没有能控制它的库\n");
        break;
    default:
        return false;
    }
    answer->exitCode = CommandExit::cardFailed;
    return true;
}
