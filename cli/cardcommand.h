#ifndef CARDCOMMAND_H
#define CARDCOMMAND_H

#include "device/parameterblock.h"
#include "settings/equalizer.h"

#include <QJsonObject>
#include <QMap>
#include <QString>

// One command for the card, checked and complete: what the command line asked for, in the form that
// travels to a running window and that the runner carries out.
struct CardCommand
{
    enum Action { Status, ListCards, MicMute, PlayMute, Style, Eq, Original, ListPresets, Preset, ImportPreset, ExportPreset,
                  SavePreset };
    enum Switch { Off, On, Toggle };

    Action action = Status;
    bool json = false;
    Switch mute = Off;   // MicMute, PlayMute
    int style = -1;      // Style: 0..Equalizer::styleCount - 1
    QMap<int, int> bands; // Eq: band index 0..4 -> value 0..43
    QString name;         // Preset, ExportPreset, SavePreset; ImportPreset: empty for the file's own
    QString file;         // ImportPreset, ExportPreset: an absolute path, as the window has a folder of its own

    static constexpr int maxBandValue = ParameterBlock::maxGain;

    // The message form; fromJson refuses (returns false) anything it does not fully understand.
    QJsonObject toJson() const;
    static bool fromJson(const QJsonObject &object, CardCommand *command);
};

// What a command prints and how it ends, wherever it was carried out.
struct CommandAnswer
{
    int exitCode = 0;
    QString out;
    QString err;
};

// Exit codes of a command.
namespace CommandExit {
constexpr int done = 0;
constexpr int noCard = 2;
constexpr int cardFailed = 3;
constexpr int usage = 64;
} // namespace CommandExit

#endif // CARDCOMMAND_H
