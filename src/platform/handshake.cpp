#include "platform/handshake.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace zm::platform {

QEvent::Type PostedMessageEvent::eventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

PostedMessageEvent::PostedMessageEvent(int message, qintptr wParam, qintptr lParam)
    : QEvent(eventType())
    , m_message(message)
    , m_wParam(wParam)
    , m_lParam(lParam)
{
}

namespace {

// A message is three numbers on one line ("5735 99 0\n"); a line longer
// than this is not one of ours.
constexpr qint64 MaxMessageBytes = 64;
// An instance sends one message and hangs up. Connections beyond this many
// are held by something else, and the oldest of them go.
constexpr qsizetype MaxConnections = 8;
// How soon a channel that stopped listening is opened again.
constexpr int ReopenIntervalMs = 1000;

#if defined(Q_OS_UNIX)
// The user's runtime folder: XDG_RUNTIME_DIR, or without it a folder that Qt
// creates for the user inside the temporary folder, owner-only. A socket in
// the shared temporary folder itself could be taken by another local user
// first. A folder that others may enter, or that belongs to someone else,
// is not used.
QString privateChannelFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    const QFileInfo info(folder);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    if (!info.isDir() || info.ownerId() != geteuid() || (info.permissions() & others))
        return {};
    return info.absoluteFilePath();
}
#endif

} // namespace

QString channelName(const QString &windowClass, const QString &title)
{
    // The title may hold blanks and any character: hash it into a safe name.
    const QByteArray key = (windowClass + QLatin1Char('\n') + title).toUtf8();
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
#if defined(Q_OS_UNIX)
    const QString base = QStringLiteral("zensomat-%1-%2").arg(QString::number(geteuid()), hash);
    const QString folder = privateChannelFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(base);
#else
    // Named pipes are per session and have no folder.
    return QStringLiteral("zensomat-%1-%2").arg(qEnvironmentVariable("USERNAME"), hash);
#endif
}

MessageWindow::MessageWindow(QObject *receiver, QObject *parent)
    : QObject(parent)
    , m_receiver(receiver)
    , m_reopen(new QTimer(this))
{
    m_reopen->setInterval(ReopenIntervalMs);
    connect(m_reopen, &QTimer::timeout, this, [this] {
        if (m_keepOpen && !isListening()) {
            closeChannel();
            openChannel();
        }
    });
    m_reopen->start();
}

MessageWindow::~MessageWindow()
{
    if (m_server)
        m_server->close();
}

bool MessageWindow::isListening() const
{
    return m_server && m_server->isListening();
}

void MessageWindow::setTitle(const QString &title)
{
    closeChannel();
    m_title = title;
    m_keepOpen = true;
    openChannel();
}

void MessageWindow::openChannel()
{
    const QString name = channelName(QString::fromLatin1(ApplicationWindowClass), m_title);
    if (name.isEmpty()) {
        m_keepOpen = false; // no private folder: no channel
        return;
    }
    // A live instance already owns this title: leave its channel alone (the
    // user-access option would otherwise take the name over silently).
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromServer();
            m_keepOpen = false;
            return;
        }
    }
    QLocalServer::removeServer(name); // nobody answered: a stale socket at most
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &MessageWindow::acceptConnections);
    if (!m_server->listen(name)) {
        delete m_server;
        m_server = nullptr; // tried again by the timer
    }
}

void MessageWindow::closeChannel()
{
    for (const QPointer<QLocalSocket> &socket : std::exchange(m_connections, {})) {
        if (socket)
            drop(socket);
    }
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
}

void MessageWindow::acceptConnections()
{
    while (m_server && m_server->hasPendingConnections()) {
        QLocalSocket *socket = m_server->nextPendingConnection();
        // Never more than a few messages' worth in memory.
        socket->setReadBufferSize(2 * MaxMessageBytes);
        m_connections.append(socket);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessages(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            readMessages(socket);
            drop(socket);
        });
        readMessages(socket);
    }
    m_connections.removeAll(nullptr);
    while (m_connections.size() > MaxConnections) {
        const QPointer<QLocalSocket> oldest = m_connections.takeFirst();
        if (oldest)
            oldest->waitForReadyRead(0); // what it sent already still counts
        if (oldest) {
            readMessages(oldest);
            drop(oldest);
        }
    }
}

void MessageWindow::readMessages(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(MaxMessageBytes + 1);
        if (line.size() > MaxMessageBytes || !line.endsWith('\n')) {
            drop(socket);
            return;
        }
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 3 || !m_receiver)
            continue;
        bool ok1 = false, ok2 = false, ok3 = false;
        const int message = parts[0].toInt(&ok1);
        const qintptr wParam = parts[1].toLongLong(&ok2);
        const qintptr lParam = parts[2].toLongLong(&ok3);
        if (ok1 && ok2 && ok3)
            QCoreApplication::postEvent(m_receiver, new PostedMessageEvent(message, wParam, lParam));
    }
    // No line end within a message's length: not one of ours.
    if (socket->bytesAvailable() > MaxMessageBytes)
        drop(socket);
}

void MessageWindow::drop(QLocalSocket *socket)
{
    m_connections.removeAll(socket);
    socket->disconnect(this); // none of our handlers runs for it again
    socket->abort();
    socket->deleteLater();
}

bool postToWindow(const QString &windowClass, const QString &title, int message, qintptr wParam, qintptr lParam,
                  int timeoutMs)
{
    const QString name = channelName(windowClass, title);
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(QByteArray::number(message) + ' ' + QByteArray::number(static_cast<qint64>(wParam)) + ' ' +
                 QByteArray::number(static_cast<qint64>(lParam)) + '\n');
    socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return true;
}

QString cleanedRestartArgument(const QStringList &arguments)
{
    QString first = arguments.isEmpty() ? QString() : arguments.first();
    first.remove(QLatin1Char('/'));
    return first;
}

bool runRestartHandshake(MessageWindow &own, const QStringList &arguments)
{
    own.setTitle(QStringLiteral("VandrelclientTest"));
    const QString cleaned = cleanedRestartArgument(arguments);
    const bool found = postToWindow(QString::fromLatin1(ApplicationWindowClass), QStringLiteral("Vandrel Client"),
                                    RestartMessage, cleaned == QLatin1String("restart") ? RestartClose : 0, 0);
    if (found)
        QCoreApplication::processEvents();
    own.setTitle(QStringLiteral("Vandrel Client"));
    return found;
}

} // namespace zm::platform
