#include "commandmessage.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString versionKey = QStringLiteral("velora");

QJsonObject versioned(const QByteArray &bytes)
{
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    return object.value(versionKey).toInt() == CommandMessage::version ? object : QJsonObject();
}

} // namespace

QByteArray CommandMessage::request(const CardCommand &command, qint64 startBy)
{
    return QJsonDocument(QJsonObject{{versionKey, version},
                                     {QStringLiteral("command"), command.toJson()},
                                     {QStringLiteral("startBy"), double(startBy)}})
        .toJson(QJsonDocument::Compact);
}

bool CommandMessage::readRequest(const QByteArray &bytes, CardCommand *command, qint64 *startBy)
{
    const QJsonObject object = versioned(bytes);
    *startBy = qint64(object.value(QStringLiteral("startBy")).toDouble());
    return !object.isEmpty() && CardCommand::fromJson(object.value(QStringLiteral("command")).toObject(), command);
}

QByteArray CommandMessage::answer(const CommandAnswer &answer)
{
    return QJsonDocument(QJsonObject{{versionKey, version},
                                     {QStringLiteral("exit"), answer.exitCode},
                                     {QStringLiteral("out"), answer.out},
                                     {QStringLiteral("err"), answer.err}})
        .toJson(QJsonDocument::Compact);
}

bool CommandMessage::readAnswer(const QByteArray &bytes, CommandAnswer *answer)
{
    const QJsonObject object = versioned(bytes);
    const QJsonValue exitCode = object.value(QStringLiteral("exit"));
    if (object.isEmpty() || !exitCode.isDouble())
        return false;
    answer->exitCode = exitCode.toInt();
    answer->out = object.value(QStringLiteral("out")).toString();
    answer->err = object.value(QStringLiteral("err")).toString();
    return true;
}
