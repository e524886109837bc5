#ifndef DETECTIONDEVICE_H
#define DETECTIONDEVICE_H

#include <QMap>
#include <QStringList>
#include <QString>
#include <QObject>

// Tells the program when a supported sound card is plugged in or pulled out. Where the system tells of
// devices through window messages, the platform file owns a hidden message window for them.
class DetectionDevice : public QObject
{
    Q_OBJECT
public:
    explicit DetectionDevice(QObject *parent = nullptr);
    ~DetectionDevice() override;

    // One walk over the devices present now; a supported card found reaches s_devTypeAndState before
    // this returns.
    void scanHidDevices();
    // The model name whose vendor/product text occurs in `text` (any case), or an empty string.
    // A match also sets the vendor and product id reported with the next signal.
    QString matchDevType(const QString &text);
    // The vendor/product text of a device with these ids, as the table writes it: "VID_0C76&PID_1000".
    static QString vendorProductKey(quint16 vid, quint16 pid);
    // The device texts of every supported card present, in arrival order; the signal reports only one
    // card at a time, a listing wants them all.
    QStringList presentDevices() const { return m_present; }

    // Whether the program can drive the card reported present. A real card may be shown by the
    // system to a user who may not open it, or be one that no control library here serves; either
    // is stated to the user instead of being talked to.
    enum CardAccess { CardUsable, CardNotOpenable, CardUnserved };
    // For a card that cannot be driven, `why` gets the log line that says why.
    CardAccess reportedCardAccess(QString *why) const;

signals:
    void s_devTypeAndState(QString devType, bool isDevArrival, int vid, int pid);

private:
    // The state table shared by every source: one report per card, no removal while absent.
    void interfaceArrived(const QString &deviceText);
    void interfaceRemoved(const QString &deviceText);
    void startPlatformWatch();
    // A real card needs a control library that serves real cards; `why` gets the log line when none does.
    static CardAccess libraryAccess(QString *why);

    bool m_isPresent = false;
    QMap<QString, QString> m_devTable;
    QStringList m_present;
    // The device text of the card reported present; empty while absent.
    QString m_reported;
    qint32 m_pid = 0;
    qint32 m_vid = 0;
    // Whatever the platform file needs to follow the bus (owned; children where they are objects).
    struct PlatformWatch;
    PlatformWatch *m_watch = nullptr;
};

#endif
