// A stand-in for the desktop portal's colour picker on a private session
// bus, answering PickColor the way it is told:
//   fake_portal answer R G B   the user picked (R, G, B), each 0.0..1.0
//   fake_portal cancel         the user cancelled the picker
//   fake_portal fail           the picker ended some other way
//   fake_portal garbage        "picked", with a colour of the wrong type
//   fake_portal refuse         the call itself is refused with an error
//   fake_portal silent         the call is never answered
//   fake_portal vanish         the call is accepted, then the portal quits
// It prints "ready" once it owns its name.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QTimer>

#include <cstdio>

class FakeScreenshotPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit FakeScreenshotPortal(QStringList how) : How(std::move(how)) {}

public slots:
    QDBusObjectPath PickColor(const QString& parentWindow, const QVariantMap& options, const QDBusMessage& call)
    {
        static_cast<void>(parentWindow);
        QString sender = call.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
                                 .arg(sender, options.value(QStringLiteral("handle_token")).toString());
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
        QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.portal.Request"),
                                                         QStringLiteral("Response"));
        signal << response << results;
        QDBusConnection::sessionBus().send(signal);
    }

    QStringList How;
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
