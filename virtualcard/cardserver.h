#ifndef CARDSERVER_H
#define CARDSERVER_H

#include "cardcommandline.h"
#include "cardstatefile.h"
#include "virtualcard.h"

#include <QLocalServer>
#include <QObject>

class QLocalSocket;

// Puts one virtual card on the virtual bus: listens at the card's socket, answers the stand-in
// library's requests line by line, keeps watchers (connections that send nothing) open, and keeps
// the parameter block in the state file.
class CardServer : public QObject
{
    Q_OBJECT

public:
    CardServer(const CardOptions &options, const QByteArray &parameterBlock, QObject *parent = nullptr);
    ~CardServer() override;

    // Plugs the card in; false with a message when it cannot.
    bool plugIn(QString *error);

signals:
    // The card was pulled out by the pull-after fault.
    void pulledOut();

private:
    void accept();
    void serve(QLocalSocket *socket);
    void pullOut();
    // Where the system has no socket files, the card shows itself on the bus with a file of its own
    // beside the server's name; elsewhere the socket file is that entry.
    void showOnBus();
    void leaveBus();
    void print(const QByteArray &line) const;

    CardOptions m_options;
    VirtualCard m_card;
    CardStateFile m_stateFile;
    QLocalServer m_server;
    int m_calls = 0;
};

#endif // CARDSERVER_H
