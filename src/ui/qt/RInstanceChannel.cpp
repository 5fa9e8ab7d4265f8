#include "ui/qt/RInstanceChannel.h"

#include "settings/RAppReg.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

namespace
{

// A request is a few bytes; a peer that sends more, or nothing, is cut off.
constexpr int LongestLine = 16;
constexpr int AnswerWait = 3000; // ms: the running one may be busy painting
constexpr int ConnectWait = 1000;

QString DisplayName()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("wayland"))
        return qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (platform == QLatin1String("xcb"))
        return qEnvironmentVariable("DISPLAY");
    return platform;
}

// The session's runtime folder, private to the user by its definition;
// otherwise a folder of the user's own in the temporary folder, made private
// and trusted only when it is a real folder of this user's that nobody else
// may enter. Empty when there is none to be had.
QString PrivateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/tintwell-") +
                        QString::fromStdString(InstanceChannelName(RAppReg::GetCurrentUserName().Text()).substr(9));
    QDir().mkdir(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo folder(own);
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    if (!folder.isDir() || folder.isSymLink() || folder.ownerId() != QFileInfo(QDir::homePath()).ownerId() ||
        (folder.permissions() & others) != 0)
        return {};
    return own;
}

} // namespace

RInstanceChannel::RInstanceChannel(QObject* parent) : RInstanceChannel(PrivateFolder(), DisplayName(), parent)
{
}

RInstanceChannel::RInstanceChannel(const QString& folder, const QString& display, QObject* parent)
    : QObject(parent)
{
    if (!folder.isEmpty())
        SocketPath = folder + QLatin1Char('/') + QString::fromStdString(InstanceChannelName(display.toStdString()));
}

bool RInstanceChannel::HandOver(RInstanceRequest request) const
{
    if (SocketPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(SocketPath);
    if (!socket.waitForConnected(ConnectWait))
        return false;
    socket.write(QByteArray::fromStdString(InstanceRequestLine(request)));
    if (!socket.waitForBytesWritten(ConnectWait))
        return false;
    // The answer says the running one read the request, not that it is done.
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(AnswerWait))
            return false;
    return socket.readLine().trimmed() == "ok";
}

bool RInstanceChannel::Listen()
{
    if (SocketPath.isEmpty() || Server != nullptr)
        return Server != nullptr;
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(SocketPath))
    {
        // Left over, or someone's alive there: only a socket that no one
        // answers at is taken over.
        QLocalSocket probe;
        probe.connectToServer(SocketPath);
        if (server->serverError() != QAbstractSocket::AddressInUseError || probe.waitForConnected(ConnectWait) ||
            !QLocalServer::removeServer(SocketPath) || !server->listen(SocketPath))
        {
            delete server;
            return false;
        }
    }
    Server = server;
    connect(Server, &QLocalServer::newConnection, this, &RInstanceChannel::Serve);
    return true;
}

void RInstanceChannel::Serve()
{
    while (QLocalSocket* socket = Server->nextPendingConnection())
    {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A peer that never sends its line is dropped after a while.
        QPointer<QLocalSocket> guarded(socket);
        QTimer::singleShot(AnswerWait, socket, [guarded] { if (guarded) guarded->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket]
        {
            if (!socket->canReadLine())
            {
                if (socket->bytesAvailable() > LongestLine)
                    socket->abort();
                return;
            }
            const QByteArray line = socket->readLine(LongestLine + 1).trimmed();
            RInstanceRequest request;
            if (!ParseInstanceRequest(line.toStdString(), request))
            {
                socket->abort();
                return;
            }
            socket->write("ok\n");
            socket->disconnectFromServer();
            emit Requested(request);
        });
    }
}
