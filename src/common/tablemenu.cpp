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
#include <QPrinter>

namespace zm::app {

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
    request.folder = dataFolder();
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

    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(grid, &QWidget::customContextMenuRequested, menu,
                     [grid, menu](const QPoint &at) { menu->popup(grid->viewport()->mapToGlobal(at)); });
}

} // namespace zm::app
