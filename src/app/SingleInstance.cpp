#include "app/SingleInstance.h"

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

namespace corvelle {

namespace {

constexpr quint32 handOverMagic = 0x43564c31; // "CVL1"
constexpr char acknowledgement = 'A';
// More paths than anyone selects in a file manager: a larger count is no message of ours.
constexpr qint32 maximumPathCount = 100000;

bool sendPaths(QLocalSocket& socket, const QStringList& paths, int timeoutMs)
{
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << handOverMagic << qint32(paths.size());
    for (const QString& path : paths)
        out << path;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == acknowledgement;
}

} // namespace

QString SingleInstance::defaultServerName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(QStringLiteral("corvelle-instance"));
}

SingleInstance::SingleInstance(const QString& serverName, QObject* parent)
    : QObject(parent), serverName_(serverName)
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::handOverToRunningInstance(const QStringList& absolutePaths, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    const bool taken = sendPaths(socket, absolutePaths, timeoutMs);
    socket.disconnectFromServer();
    return taken;
}

bool SingleInstance::listen()
{
    // The server's socket is put in place by renaming it over the name: never over the socket of
    // an instance that still answers. A socket that no one answers is left from an instance that
    // ended without closing it.
    if (anotherInstanceAnswers())
        return false;
    QLocalServer::removeServer(serverName_);
    return server_.listen(serverName_);
}

bool SingleInstance::anotherInstanceAnswers() const
{
    QLocalSocket probe;
    probe.connectToServer(serverName_);
    if (!probe.waitForConnected(1000))
        return false;
    probe.abort();
    return true;
}

void SingleInstance::acceptConnection()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.setVersion(QDataStream::Qt_6_4);
            in.startTransaction();
            quint32 magic = 0;
            qint32 count = 0;
            in >> magic >> count;
            if (in.status() == QDataStream::Ok && (magic != handOverMagic || count < 0 || count > maximumPathCount)) {
                socket->abort();
                return;
            }
            QStringList paths;
            for (qint32 index = 0; index < count && in.status() == QDataStream::Ok; ++index) {
                QString path;
                in >> path;
                paths << path;
            }
            if (!in.commitTransaction())
                return; // the rest is still on its way
            paths.removeIf([](const QString& path) { return !QDir::isAbsolutePath(path); });
            socket->putChar(acknowledgement);
            socket->flush();
            socket->disconnectFromServer();
            // The sender is answered before the documents are looked at: importing them may wait
            // for the user.
            QTimer::singleShot(0, this, [this, paths] { Q_EMIT documentsHandedOver(paths); });
        });
    }
}

QStringList SingleInstance::absolutePaths(const QStringList& arguments, const QString& workingDirectory)
{
    QStringList paths;
    const QDir base(workingDirectory);
    for (const QString& argument : arguments) {
        if (argument.isEmpty())
            continue;
        if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) || argument.contains(QLatin1String("://"))) {
            const QUrl url(argument);
            if (url.isLocalFile())
                paths << QDir::cleanPath(url.toLocalFile());
            continue;
        }
        paths << QDir::cleanPath(base.absoluteFilePath(argument));
    }
    return paths;
}

} // namespace corvelle
