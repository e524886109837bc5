#ifndef COMMUNICATION_H
#define COMMUNICATION_H

#include <QObject>
#include <QString>

struct VendorCalls;

// The transfer layer between the sound-card model and the card: every transfer is one self-contained
// sequence of vendor library calls around the card's GPIO handshake. Transfers block the calling
// (GUI) thread while they wait for the card; library failures are reported in the "Error prompt" box.
class Communication : public QObject
{
    Q_OBJECT

public:
    // A card that keeps a handshake line low is polled at most this many times, 200 ms apart, so that a
    // card that never answers cannot freeze the program.
    static constexpr int maxPolls = 15;
    static constexpr int pollIntervalMs = 200;

    explicit Communication(QObject *parent = nullptr);

    bool init(int vid, int pid);
    bool readData(unsigned char *buffer);
    bool readSerialNumber(unsigned char *buffer);
    bool readFirmwareVersion(unsigned char *buffer);
    bool writeData();

signals:
    void errorText(QString str);

private:
    const VendorCalls *startCalls(const char *operation) const;
    bool readBlock(int slave, int firstRegister, int reads, unsigned char *buffer);

    int m_vid = 0;
    int m_pid = 0;
};

#endif // COMMUNICATION_H
