#include "powerlog.h"

#include <QtDebug>

PowerLog::PowerLog(QObject *parent) : QObject(parent) {}

void PowerLog::prepareForSleep(bool sleeping)
{
    if (sleeping) {
        qDebug() << "=====xiu mian======";
        emit goingToSleep();
    } else
        qDebug() << "======huan xing======";
}

void PowerLog::prepareForShutdown(bool shuttingDown)
{
    if (shuttingDown) {
        qDebug() << "======system poweroff,reboot or logoff======";
        emit sessionEnding();
    }
}
