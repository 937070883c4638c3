#include "common/inputlimit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>

#include <algorithm>

namespace zm::scales {

namespace {

class InputLimit : public QObject
{
public:
    InputLimit(QLineEdit *edit, int maxChars)
        : QObject(edit)
        , m_edit(edit)
        , m_max(maxChars)
    {
        edit->setAcceptDrops(false);
        edit->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_edit || m_edit->isReadOnly())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->matches(QKeySequence::Paste)) {
                pasteLimited(QClipboard::Clipboard);
                return true;
            }
            const QString typed = key->text();
            if (!typed.isEmpty() && typed.at(0).isPrint() && typed.size() > room())
                return true; // a full field takes no more characters
            return false;
        }
        case QEvent::ContextMenu:
            showContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
            return true;
        case QEvent::MouseButtonRelease: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
                pasteLimited(QClipboard::Selection);
                return true;
            }
            return false;
        }
        default:
            return false;
        }
    }

private:
    // Characters that still fit, counting a selection as replaced.
    int room() const { return m_max - static_cast<int>(m_edit->text().size() - m_edit->selectedText().size()); }

    // Pastes as much of the clipboard's first line as fits.
    void pasteLimited(QClipboard::Mode mode)
    {
        QString text = QGuiApplication::clipboard()->text(mode);
        const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
        if (lineEnd >= 0)
            text.truncate(lineEnd);
        text.truncate(std::max(0, room()));
        if (!text.isEmpty())
            m_edit->insert(text);
    }

    void showContextMenu(const QPoint &globalPos)
    {
        QPointer<QMenu> menu = m_edit->createStandardContextMenu();
        if (!menu)
            return;
        // The standard menu's paste action carries the same translated
        // caption as QLineEdit gives it.
        const QString pasteCaption = QLineEdit::tr("&Paste");
        for (QAction *action : menu->actions()) {
            if (action->objectName() == QLatin1String("edit-paste") || action->text().startsWith(pasteCaption)) {
                disconnect(action, &QAction::triggered, m_edit, nullptr);
                connect(action, &QAction::triggered, this, [this] { pasteLimited(QClipboard::Clipboard); });
            }
        }
        menu->exec(globalPos);
        delete menu;
    }

    QLineEdit *m_edit;
    int m_max;
};

} // namespace

void limitTypedInput(QLineEdit *edit, int maxChars)
{
    new InputLimit(edit, maxChars);
}

} // namespace zm::scales
