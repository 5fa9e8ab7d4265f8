// A stand-in for the desktop portal's colour picker on a private session
// bus, answering PickColor the way it is told:
//   fake_portal answer R G B   the user picked (R, G, B), each 0.0..1.0
//   fake_portal cancel         the user cancelled the picker
//   fake_portal fail           the picker ended some other way
//   fake_portal garbage        "picked", with a colour of the wrong type
//   fake_portal refuse         the call itself is refused with an error
//   fake_portal silent         the call is never answered
//   fake_portal vanish         the call is accepted, then the portal quits
// Before those, "--screenshot HOW [FILE]" has it answer Screenshot too
// (without it, the portal has no Screenshot and says so):
//   picture FILE   the copy of the desktop is FILE
//   cancel         the user refused the desktop's permission
//   fail           the copy failed
//   silent         the request is accepted and never answered
// It prints "ready" once it owns its name.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusError>
#include <QTimer>
#include <QUrl>

#include <cstdio>

class FakeScreenshotPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit FakeScreenshotPortal(QStringList how)
    {
        if (how.value(0) == QLatin1String("--screenshot"))
        {
            const int count = how.value(1) == QLatin1String("picture") ? 2 : 1;
            ScreenshotHow = how.mid(1, count);
            how = how.mid(1 + count);
        }
        How = std::move(how);
    }

public slots:
    QDBusObjectPath Screenshot(const QString& parentWindow, const QVariantMap& options, const QDBusMessage& call)
    {
        static_cast<void>(parentWindow);
        const QString path = RequestPath(options, call);
        const QString mode = ScreenshotHow.value(0);
        if (mode.isEmpty() || options.value(QStringLiteral("interactive")).toBool())
        {
            call.setDelayedReply(true);
            QDBusConnection::sessionBus().send(call.createErrorReply(QDBusError::UnknownMethod, QStringLiteral("No Screenshot here")));
            return {};
        }
        if (mode != QLatin1String("silent"))
            QTimer::singleShot(100, this, [this, path, mode] {
                QVariantMap results;
                if (mode == QLatin1String("picture"))
                    results.insert(QStringLiteral("uri"), QUrl::fromLocalFile(ScreenshotHow.value(1)).toString());
                Respond(path, mode == QLatin1String("picture") ? 0 : mode == QLatin1String("cancel") ? 1 : 2, results);
            });
        return QDBusObjectPath(path);
    }

    QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options, const QDBusMessage& call)
    {
        static_cast<void>(parentWindow);
        const QString path = RequestPath(options, call);
        const QString mode = How.value(0);
        if (mode == QLatin1String("refuse") || mode == QLatin1String("silent"))
        {
            call.setDelayedReply(true);
            if (mode == QLatin1String("refuse"))
                QDBusConnection::sessionBus().send(
                    call.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.NotAllowed"),
                                          QStringLiteral("Picking colours is not allowed here")));
            return {};
        }
        // The user takes a moment.
        QTimer::singleShot(200, this, [this, path, mode] { Answer(path, mode); });
        return QDBusObjectPath(path);
    }

private:
    static QString RequestPath(const QVariantMap& options, const QDBusMessage& call)
    {
        QString sender = call.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
            .arg(sender, options.value(QStringLiteral("handle_token")).toString());
    }

    static void Respond(const QString& path, uint response, const QVariantMap& results)
    {
        QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        signal << response << results;
        QDBusConnection::sessionBus().send(signal);
    }

    void Answer(const QString& path, const QString& mode)
    {
        if (mode == QLatin1String("vanish"))
        {
            QCoreApplication::exit(0);
            return;
        }
        uint response = 0;
        QVariantMap results;
        if (mode == QLatin1String("answer"))
        {
            QDBusArgument color;
            color.beginStructure();
            color << How.value(1).toDouble() << How.value(2).toDouble() << How.value(3).toDouble();
            color.endStructure();
            results.insert(QStringLiteral("color"), QVariant::fromValue(color));
        }
        else if (mode == QLatin1String("garbage"))
            results.insert(QStringLiteral("color"), QStringLiteral("red"));
        else
            response = mode == QLatin1String("cancel") ? 1 : 2;
        Respond(path, response, results);
    }

public:
    QStringList How;
    QStringList ScreenshotHow;
};

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    FakeScreenshotPortal portal(application.arguments().mid(1));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), &portal,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.portal.Desktop")))
    {
        std::fprintf(stderr, "fake_portal: cannot take the portal's name on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "FakePortal.moc"
