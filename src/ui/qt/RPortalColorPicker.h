#pragma once

#include "colour/ColorValue.h"

#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <memory>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;

// One pixel picked by the desktop's own colour picker, asked for through the
// desktop portal on the session bus. The answer arrives later, as a signal
// on a request object of the portal's; the user may take a while.
class RPortalColorPicker : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* Service = "org.freedesktop.portal.Desktop";
    static constexpr int DefaultReplyTimeout = 25000;

    explicit RPortalColorPicker(QObject* parent = nullptr);
    ~RPortalColorPicker() override;

    // Opens a request, unless one is open. Every request ends with exactly
    // one Ended, at once when none could be sent.
    void Start();
    // How long the portal may take to accept a request, in milliseconds.
    void SetReplyTimeout(int milliseconds) { ReplyTimeout = milliseconds; }

signals:
    // The colour the user chose, sent just before Ended.
    void Picked(ColorValue color);
    // The request is over: chosen, cancelled or failed. explanation is empty
    // unless the user should be told why nothing was picked.
    void Ended(const QString& explanation);

private slots:
    void Response(uint response, const QVariantMap& results);

private:
    void Accepted(QDBusPendingCallWatcher* call);
    void Finish(const QString& explanation);
    void ListenAt(const QString& requestPath);
    void StopListening();

    bool Open = false;
    int ReplyTimeout = DefaultReplyTimeout;
    int Requests = 0;
    QString RequestPath;
    std::unique_ptr<QDBusPendingCallWatcher> PendingCall;
    std::unique_ptr<QDBusServiceWatcher> PortalWatcher;
};
