#ifndef RECORDERCHOICES_H
#define RECORDERCHOICES_H

#include "recordformat.h"

#include <QAudioDeviceInfo>
#include <QObject>
#include <QString>
#include <QVector>

// What the next take records from and in which format, as the user chose them; both are
// remembered. Until the user chooses an input, a take records from the card's own input when a
// card brings one, else from the system's default; a chosen input that has gone falls back the
// same way until it comes back.
class RecorderChoices : public QObject
{
    Q_OBJECT

public:
    static QString defaultInput() { return QStringLiteral("Default"); }

    struct Input
    {
        QString name;   // as the recorder's backend takes it
        QString label;  // as the user reads it
        bool card = false;
    };

    explicit RecorderChoices(QObject *parent = nullptr);

    // The card's own input, defaultInput() when there is none.
    void setCardInput(const QString &name);
    // The inputs to choose from: the card's first and marked, then the system's default, then the
    // system's own inputs.
    QVector<Input> inputs() const;
    // The input the next take records from.
    QString input() const { return m_input; }
    // The same as the user reads it, the card's marked as such.
    QString inputLabel() const;
    void chooseInput(const QString &name);
    RecordFormat format() const { return m_format; }
    void chooseFormat(const RecordFormat &format);
    // The system's device behind input(), for metering it; the default input when it has none.
    QAudioDeviceInfo inputDevice() const;
    // An input's name with the backend's plumbing left out, as the user reads it.
    static QString shortName(const QString &input);

signals:
    void changed();

private:
    void update();
    QString cardLabel() const;
    static QVector<QAudioDeviceInfo> systemInputs();
    static QString backendName(const QString &deviceName);

    QString m_cardInput = defaultInput();
    QString m_chosen;  // empty until the user chooses
    QString m_input = defaultInput();
    RecordFormat m_format;
};

#endif // RECORDERCHOICES_H
