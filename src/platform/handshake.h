#pragma once

// The restart handshake between two instances. The original looked for the
// hidden application window by class and title and posted it a private
// message; here every instance listens on a per-user local socket named after
// that window class and its current application title, and "posting message
// 5735" means writing the two numbers to the socket of the instance found.

#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QTimer;

namespace zm::platform {

inline constexpr int RestartMessage = 5735;
inline constexpr int RestartClose = 99;
inline constexpr char ApplicationWindowClass[] = "TApplication";

// The event a posted message turns into; the application-wide hook sees it.
class PostedMessageEvent : public QEvent
{
public:
    static QEvent::Type eventType();
    PostedMessageEvent(int message, qintptr wParam, qintptr lParam);
    int message() const { return m_message; }
    qintptr wParam() const { return m_wParam; }
    qintptr lParam() const { return m_lParam; }

private:
    int m_message;
    qintptr m_wParam;
    qintptr m_lParam;
};

// Name of the local channel of the application window with this title: a
// socket in the user's private runtime folder. Empty when there is no such
// folder that only the user may enter; then there is no channel at all.
QString channelName(const QString &windowClass, const QString &title);

// The listening side: follows the application title. Posted messages become
// PostedMessageEvents delivered to `receiver` (the application object).
// A message is one short line: a connection that sends more is dropped, and
// of connections held open without a message only the newest few are kept.
// When the channel stops listening (Qt closes a server whose accept fails),
// it is opened again.
class MessageWindow : public QObject
{
    Q_OBJECT
public:
    explicit MessageWindow(QObject *receiver, QObject *parent = nullptr);
    ~MessageWindow() override;

    // Listen under the new title (and stop listening under the old one).
    void setTitle(const QString &title);
    QString title() const { return m_title; }
    bool isListening() const;

private:
    void openChannel();
    void closeChannel();
    void acceptConnections();
    void readMessages(QLocalSocket *socket);
    void drop(QLocalSocket *socket);

    QPointer<QObject> m_receiver;
    QLocalServer *m_server = nullptr;
    QList<QPointer<QLocalSocket>> m_connections; // oldest first
    QTimer *m_reopen = nullptr;
    bool m_keepOpen = false; // the channel is ours: open it again when it stops
    QString m_title;
};

// Finds a running application window with this title and posts it a message.
// Returns false when no such window answers.
bool postToWindow(const QString &windowClass, const QString &title, int message, qintptr wParam, qintptr lParam,
                  int timeoutMs = 1000);

// The handshake a new instance runs first: title "VandrelclientTest", look
// for "Vandrel Client", post 5735 with 99 when the first argument without any
// '/' is exactly "restart" (otherwise 0), then title "Vandrel Client".
// Returns true when a window was found.
bool runRestartHandshake(MessageWindow &own, const QStringList &arguments);

// The first argument with every '/' removed (empty without arguments).
QString cleanedRestartArgument(const QStringList &arguments);

} // namespace zm::platform
