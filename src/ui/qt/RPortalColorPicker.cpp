#include "ui/qt/RPortalColorPicker.h"

#include "ui/WindowTexts.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QTimer>
#include <QUrl>

#include <cmath>

namespace
{

constexpr const char* PortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* ScreenshotInterface = "org.freedesktop.portal.Screenshot";
constexpr const char* RequestInterface = "org.freedesktop.portal.Request";

// The request object's path is known before the call: the caller's unique
// name without its colon, dots turned into underscores, and our token.
QString RequestPathFor(const QString& uniqueName, const QString& token)
{
    QString sender = uniqueName.startsWith(QLatin1Char(':')) ? uniqueName.mid(1) : uniqueName;
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

// A component 0.0..1.0 as a byte. What another process sends is not trusted:
// out of range is clamped, NaN is 0.
std::uint8_t ByteOf(double component)
{
    if (!(component > 0.0))
        return 0;
    if (component >= 1.0)
        return 255;
    return static_cast<std::uint8_t>(std::lround(component * 255.0));
}

// The answer's "color" entry, a structure of three doubles.
bool ColorOf(const QVariantMap& results, ColorValue& color)
{
    const QVariant entry = results.value(QStringLiteral("color"));
    if (!entry.canConvert<QDBusArgument>())
        return false;
    const QDBusArgument argument = entry.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)"))
        return false;
    double red = 0, green = 0, blue = 0;
    argument.beginStructure();
    argument >> red >> green >> blue;
    argument.endStructure();
    color = ColorValueOf(ByteOf(red), ByteOf(green), ByteOf(blue));
    return true;
}

QString ExplanationOf(const QDBusError& error)
{
    switch (error.type())
    {
    case QDBusError::ServiceUnknown:
        return QString::fromUtf8(WindowTexts::PortalNotRunning);
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownObject:
        return QString::fromUtf8(WindowTexts::PortalCannotPick);
    case QDBusError::NoReply:
    case QDBusError::Timeout:
        return QString::fromUtf8(WindowTexts::PortalNoAnswer);
    default:
        return QString::fromStdString(WindowTexts::PortalRefused(error.message().toStdString()));
    }
}

} // namespace

RPortalColorPicker::RPortalColorPicker(QObject* parent) : QObject(parent)
{
}

RPortalColorPicker::~RPortalColorPicker()
{
    StopListening();
}

void RPortalColorPicker::Start()
{
    Ask(QStringLiteral("PickColor"), {});
}

void RPortalColorPicker::StartScreenshot()
{
    // Not interactive: the whole desktop at once, the user asked only for
    // permission (once, where the desktop asks at all).
    Ask(QStringLiteral("Screenshot"), {{QStringLiteral("interactive"), false}});
}

void RPortalColorPicker::Ask(const QString& method, QVariantMap options)
{
    if (Open)
        return;
    Open = true;
    Screenshot = method == QLatin1String("Screenshot");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
    {
        Finish(QString::fromUtf8(WindowTexts::PortalWithoutBus));
        return;
    }
    // 1. Listen where the answer will come before asking, so that a quick
    //    answer cannot be missed.
    const QString token = QStringLiteral("tintwell%1").arg(++Requests);
    ListenAt(RequestPathFor(bus.baseService(), token));
    // 2. A portal that goes away never answers; one that hangs is given up.
    PortalWatcher = std::make_unique<QDBusServiceWatcher>(QString::fromLatin1(Service), bus,
                                                          QDBusServiceWatcher::WatchForUnregistration);
    connect(PortalWatcher.get(), &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        Finish(QString::fromUtf8(WindowTexts::PortalStopped));
    });
    AnswerTimer = std::make_unique<QTimer>();
    AnswerTimer->setSingleShot(true);
    connect(AnswerTimer.get(), &QTimer::timeout, this, [this] { Finish(QString::fromUtf8(WindowTexts::PortalNoAnswer)); });
    AnswerTimer->start(ReplyTimeout + AnswerTimeout);
    // 3. Ask. No parent window: a Wayland client has no global handle to give.
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(Service), QString::fromLatin1(PortalPath),
                                                       QString::fromLatin1(ScreenshotInterface), method);
    options.insert(QStringLiteral("handle_token"), token);
    call << QString() << options;
    PendingCall = std::make_unique<QDBusPendingCallWatcher>(bus.asyncCall(call, ReplyTimeout));
    connect(PendingCall.get(), &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* watcher) { Accepted(watcher); });
}

void RPortalColorPicker::Accepted(QDBusPendingCallWatcher* watcher)
{
    const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
    if (reply.isError())
    {
        Finish(ExplanationOf(reply.error()));
        return;
    }
    // Older portals choose the path themselves and say so in the reply.
    const QString path = reply.value().path();
    if (Open && path != RequestPath)
        ListenAt(path);
}

void RPortalColorPicker::ListenAt(const QString& requestPath)
{
    StopListening();
    RequestPath = requestPath;
    QDBusConnection::sessionBus().connect(QString::fromLatin1(Service), RequestPath,
                                                 QString::fromLatin1(RequestInterface), QStringLiteral("Response"),
                                                 this, SLOT(Response(uint, QVariantMap)));
}

void RPortalColorPicker::StopListening()
{
    if (RequestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(QString::fromLatin1(Service), RequestPath,
                                             QString::fromLatin1(RequestInterface), QStringLiteral("Response"),
                                             this, SLOT(Response(uint, QVariantMap)));
    RequestPath.clear();
}

void RPortalColorPicker::Response(uint response, const QVariantMap& results)
{
    if (!Open)
        return;
    // 0: granted; 1: cancelled by the user, nothing to explain; other: ended
    // some other way.
    if (response == 1)
    {
        Finish(QString());
        return;
    }
    if (response != 0)
    {
        Finish(QString::fromUtf8(WindowTexts::PickerFailed));
        return;
    }
    if (Screenshot)
    {
        // Only a picture on this machine can be read.
        const QUrl uri(results.value(QStringLiteral("uri")).toString());
        if (uri.isLocalFile())
        {
            emit Shot(uri.toLocalFile());
            Finish(QString());
        }
        else
            Finish(QString::fromUtf8(WindowTexts::PickerFailed));
        return;
    }
    ColorValue color = 0;
    if (ColorOf(results, color))
    {
        emit Picked(color);
        Finish(QString());
    }
    else
        Finish(QString::fromUtf8(WindowTexts::PickerGaveNoColour));
}

void RPortalColorPicker::Finish(const QString& explanation)
{
    if (!Open)
        return;
    Open = false;
    StopListening();
    // Silenced now, deleted later: this may run inside their own signals.
    for (QObject* watcher : {static_cast<QObject*>(PendingCall.release()), static_cast<QObject*>(PortalWatcher.release()),
                             static_cast<QObject*>(AnswerTimer.release())})
    {
        if (watcher != nullptr)
        {
            watcher->disconnect(this);
            watcher->deleteLater();
        }
    }
    emit Ended(explanation);
}
