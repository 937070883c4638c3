#include "common/tablemenu.h"

#include "app/forms.h"
#include "common/errorreport.h"
#include "common/filedialogs.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QTableView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>

#include <algorithm>

namespace zm::ui {

namespace {

void copyTable(const QAbstractItemView *grid)
{
    const zm::tabletext::Rows rows = tableTexts(grid);
    auto *data = new QMimeData;
    data->setHtml(zm::tabletext::toHtmlTable(rows));
    data->setText(zm::tabletext::toTabSeparated(rows));
    QApplication::clipboard()->setMimeData(data);
}

void saveAsPdf(QWidget *window, zm::print::PrintScale scale)
{
    zm::ui::FileRequest request;
    request.kind = zm::ui::FileRequest::Kind::Save;
    request.folder = zm::app::dataFolder();
    request.filters = {QStringLiteral("PDF-Dokument (*.pdf)")};
    request.defaultSuffix = QStringLiteral("pdf");
    request.fileName =
        zm::tabletext::fileNameFromTitle(window->windowTitle(), QStringLiteral("Tabelle")) + QStringLiteral(".pdf");
    const QString path = zm::ui::chooseFile(request);
    if (!path.isEmpty())
        zm::print::saveWindowImageAsPdf(window, scale, path);
}

void printWithDialog(QWidget *window, zm::print::PrintScale scale)
{
    if (const std::unique_ptr<QPrinter> printer = zm::print::choosePrinter(window))
        zm::print::printWindowImage(window, scale, *printer);
}

bool holdsText(const QStringList &cells)
{
    return std::any_of(cells.begin(), cells.end(), [](const QString &cell) { return !cell.isEmpty(); });
}

// Keeps the right mouse button away from the grid, so that a right click
// neither selects nor marks a cell; the menu still follows the click.
class RightClickFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
                return true;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

zm::tabletext::Rows tableTexts(const QAbstractItemView *grid)
{
    const QAbstractItemModel *model = grid->model();
    zm::tabletext::Rows rows;
    // A grid that shows its heading row as a header (the transcript) copies it too.
    const auto *table = qobject_cast<const QTableView *>(grid);
    if (table && !table->horizontalHeader()->isHidden()) {
        QStringList heads;
        for (int column = 0; column < model->columnCount(); ++column)
            heads << model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        rows << heads;
    }
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells << model->index(row, column).data(Qt::DisplayRole).toString();
        // Empty rows (the transcript's rows not yet used) are left out, as in the CSV.
        if (holdsText(cells))
            rows << cells;
    }
    return rows;
}

void addTableMenu(QWidget *window, QAbstractItemView *grid, zm::print::PrintScale scale)
{
    auto *menu = new QMenu(window);
    menu->setObjectName(QStringLiteral("TableMenu"));
    const auto add = [&](const char *name, const QString &text, auto handler) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, window, zm::ui::guard(handler));
    };
    add("ActionPrint", QStringLiteral("Drucken…"), [window, scale] { printWithDialog(window, scale); });
    add("ActionPdf", QStringLiteral("Als PDF speichern…"), [window, scale] { saveAsPdf(window, scale); });
    add("ActionCopy", QStringLiteral("Tabelle kopieren"), [grid] { copyTable(grid); });

    // The window takes every right click its controls leave to it (the grids,
    // the heading and footer labels, the empty area): the grids' item views
    // and plain labels pass a context menu on to their parent.
    window->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(window, &QWidget::customContextMenuRequested, menu,
                     [window, menu](const QPoint &at) { menu->popup(window->mapToGlobal(at)); });
    grid->viewport()->installEventFilter(new RightClickFilter(grid));
}

} // namespace zm::ui
