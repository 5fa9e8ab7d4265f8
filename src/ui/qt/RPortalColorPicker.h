#pragma once

#include "colour/ColorValue.h"

#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <memory>

class QDBusPendingCallWatcher;
class QDBusServiceWatcher;
class QTimer;

// One pixel picked by the desktop's own colour picker, or one copy of the
// whole desktop, asked for through the desktop portal on the session bus.
// The answer arrives later, as a signal on a request object of the
// portal's; the user may take a while (picking, or granting the copy), but
// not for ever.
class RPortalColorPicker : public QObject
{
    Q_OBJECT
public:
    static constexpr const char* Service = "org.freedesktop.portal.Desktop";
    static constexpr int DefaultReplyTimeout = 25000;
    // How long the user may take over the desktop's own dialog.
    static constexpr int DefaultAnswerTimeout = 120000;

    explicit RPortalColorPicker(QObject* parent = nullptr);
    ~RPortalColorPicker() override;

    // Opens a request, unless one is open. Every request ends with exactly
    // one Ended, at once when none could be sent.
    void Start();
    // Asks for a copy of the whole desktop instead, without the desktop's
    // interactive choice of an area: Shot, then Ended; Ended alone, with an
    // explanation, where the portal cannot or will not; Ended with none
    // where the user refused.
    void StartScreenshot();
    // How long the portal may take to accept a request, in milliseconds.
    void SetReplyTimeout(int milliseconds) { ReplyTimeout = milliseconds; }
    // How long it may take to answer one it accepted.
    void SetAnswerTimeout(int milliseconds) { AnswerTimeout = milliseconds; }

signals:
    // The colour the user chose, sent just before Ended.
    void Picked(ColorValue color);
    // The copy of the desktop, a file the portal wrote, sent just before Ended.
    void Shot(const QString& fileName);
    // The request is over: chosen, cancelled or failed. explanation is empty
    // unless the user should be told why nothing was picked.
    void Ended(const QString& explanation);

private slots:
    void Response(uint response, const QVariantMap& results);

private:
    void Ask(const QString& method, QVariantMap options);
    void Accepted(QDBusPendingCallWatcher* call);
    void Finish(const QString& explanation);
    void ListenAt(const QString& requestPath);
    void StopListening();

    bool Open = false;
    bool Screenshot = false;
    int ReplyTimeout = DefaultReplyTimeout;
    int AnswerTimeout = DefaultAnswerTimeout;
    std::unique_ptr<QTimer> AnswerTimer;
    int Requests = 0;
    QString RequestPath;
    std::unique_ptr<QDBusPendingCallWatcher> PendingCall;
    std::unique_ptr<QDBusServiceWatcher> PortalWatcher;
};
