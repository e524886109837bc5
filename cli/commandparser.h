#ifndef COMMANDPARSER_H
#define COMMANDPARSER_H

#include "cardcommand.h"

#include <QCoreApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <functional>

// Reads the command line. Every value is checked here, so that a command that reaches the card is
// complete and valid; nothing is sent for a bad one.
class CommandParser
{
    Q_DECLARE_TR_FUNCTIONS(CommandParser)
public:
    enum Outcome {
        Plain,   // none of the commands: the window starts as always, the arguments go to Qt
        Command, // command() holds it
        Help,    // helpText()
        Version, // versionText()
        Invalid  // errorText() holds the one-line reason
    };

    // `styleNames` gives the user's own names of styles 0..3 (empty where none), accepted beside the
    // built-in names; asked only when a style is not named by an index or a built-in name.
    explicit CommandParser(std::function<QStringList()> styleNames = {});

    Outcome parse(const QStringList &arguments);
    // Whether any argument names one of the program's own options, or an option that is neither the
    // program's nor Qt's own; a start without one is a plain start of the window (Qt's own options
    // go to Qt as always).
    static bool namesAnOption(const QStringList &arguments);

    CardCommand command() const { return m_command; }
    QString errorText() const { return m_error; }
    static QString helpText();
    static QString versionText();
    // The hint printed under a refusal.
    static QString usageHint();

private:
    bool parseSwitch(const QString &text, CardCommand::Switch *value);
    bool parseStyle(const QString &text, int *index) const;
    bool parseBands(const QString &text, QMap<int, int> *bands);
    bool parsePreset(const QString &value, const QString &file, const QString &name);
    static QString jsonError();
    static QString nameError();
    static QString companionError(const QCommandLineParser &parser, const QCommandLineOption &name);

    std::function<QStringList()> m_styleNames;
    CardCommand m_command;
    QString m_error;
};

#endif // COMMANDPARSER_H
