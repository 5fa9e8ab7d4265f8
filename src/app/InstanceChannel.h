#pragma once

#include "ui/SingleInstance.h"

#include <QObject>

#include <string>

class QSocketNotifier;

// Where a later start of the program finds the one already running for the
// same user and display: a local socket, only this user's, in the session's
// runtime folder (or a private folder of the user's in the temporary
// folder), named after the display.
class RInstanceChannel : public QObject
{
    Q_OBJECT
public:
    // The channel of the display the application runs on.
    RInstanceChannel();
    ~RInstanceChannel() override;

    // Hands request to the running instance; true when it took it.
    bool HandOver(RInstanceRequest request) const;
    // Becomes the instance later starts reach. A socket left by an instance
    // that ended without closing it (a crash, a kill) is taken over; one
    // that answers is not. False when the channel cannot be had: the
    // program then runs on its own.
    bool Listen();

signals:
    void Requested(RInstanceRequest request);

private:
    void Serve();

    std::string SocketPath;
    int Listener = -1;
    QSocketNotifier* Notifier = nullptr;
};
