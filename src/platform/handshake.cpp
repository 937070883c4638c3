#include "platform/handshake.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

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

QString channelName(const QString &windowClass, const QString &title)
{
    // The title may hold blanks and any character: hash it into a safe name.
    const QByteArray key = (windowClass + QLatin1Char('\n') + title).toUtf8();
    const QString hash = QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(16));
#if defined(Q_OS_UNIX)
    const QString user = QString::number(getuid());
#else
    const QString user = qEnvironmentVariable("USERNAME");
#endif
    const QString base = QStringLiteral("zensomat-%1-%2").arg(user, hash);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return QDir(runtime).filePath(base);
    return base;
}

MessageWindow::MessageWindow(QObject *receiver, QObject *parent)
    : QObject(parent)
    , m_receiver(receiver)
{
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
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    m_title = title;
    const QString name = channelName(QString::fromLatin1(ApplicationWindowClass), title);

    // A live instance already owns this title: leave its channel alone (the
    // user-access option would otherwise take the name over silently).
    {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromServer();
            return;
        }
    }
    QLocalServer::removeServer(name); // nobody answered: a stale socket at most
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &MessageWindow::acceptConnections);
    if (!m_server->listen(name)) {
        delete m_server;
        m_server = nullptr;
    }
}

void MessageWindow::acceptConnections()
{
    while (m_server && m_server->hasPendingConnections()) {
        QLocalSocket *socket = m_server->nextPendingConnection();
        QPointer<QObject> receiver = m_receiver;
        auto deliver = [socket, receiver] {
            while (socket->canReadLine()) {
                const QList<QByteArray> parts = socket->readLine().trimmed().split(' ');
                if (parts.size() != 3 || !receiver)
                    continue;
                bool ok1 = false, ok2 = false, ok3 = false;
                const int message = parts[0].toInt(&ok1);
                const qintptr wParam = parts[1].toLongLong(&ok2);
                const qintptr lParam = parts[2].toLongLong(&ok3);
                if (ok1 && ok2 && ok3)
                    QCoreApplication::postEvent(receiver, new PostedMessageEvent(message, wParam, lParam));
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, deliver);
        connect(socket, &QLocalSocket::disconnected, this, [socket, deliver] {
            deliver();
            socket->deleteLater();
        });
        deliver();
    }
}

bool postToWindow(const QString &windowClass, const QString &title, int message, qintptr wParam, qintptr lParam,
                  int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(channelName(windowClass, title));
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
