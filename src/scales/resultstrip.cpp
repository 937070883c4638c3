#include "scales/resultstrip.h"

#include "common/tablemenu.h"
#include "classtest/classtestwindows.h"
#include "common/cellpainter.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/textfit.h"
#include "common/windowprint.h"
#include "scales/bandsource.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

namespace zm::scales {

namespace {

// The strip's grid. Qt draws one-pixel lines at the right and bottom edge of
// every cell; wider lines grow into the cell from there.
class StripGrid : public QTableWidget
{
public:
    StripGrid(int rows, int columns, int lineWidth, QWidget *parent)
        : QTableWidget(rows, columns, parent)
        , m_lineWidth(lineWidth)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QTableWidget::paintEvent(event);
        if (m_lineWidth <= 1 || !showGrid() || rowCount() == 0 || columnCount() == 0)
            return;
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        const QColor colour =
            QColor::fromRgba(static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this)));
        const int extra = m_lineWidth - 1;
        const int right = columnViewportPosition(columnCount() - 1) + columnWidth(columnCount() - 1);
        const int bottom = rowViewportPosition(rowCount() - 1) + rowHeight(rowCount() - 1);
        QPainter painter(viewport());
        for (int column = 0; column < columnCount(); ++column) {
            const int edge = columnViewportPosition(column) + columnWidth(column) - 1;
            painter.fillRect(edge - extra, 0, extra, bottom, colour);
        }
        for (int row = 0; row < rowCount(); ++row) {
            const int edge = rowViewportPosition(row) + rowHeight(row) - 1;
            painter.fillRect(0, edge - extra, right, extra, colour);
        }
    }

private:
    int m_lineWidth;
};

} // namespace

ResultStrip::ResultStrip(const QString &objectName, const StripLayout &strip, const Layout &layout, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_strip(strip)
    , m_layout(layout)
{
    setObjectName(objectName);
    setWindowFlag(Qt::WindowMinimizeButtonHint, m_layout.minimiseBox);
    setWindowTitle(QString());
    setToolTip(m_layout.hint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, m_layout.background);
    pal.setColor(QPalette::Base, m_layout.background);
    setPalette(pal);
    setAutoFillBackground(true);

    if (m_layout.headingHeight > 0)
        Label1 = zm::ui::makeLabel(this, QStringLiteral("Label1"), QString(), {});
    if (!m_layout.footer.isEmpty())
        Label2 = zm::ui::makeLabel(this, QStringLiteral("Label2"), m_layout.footer, {});

    StringGrid1 = new StripGrid(3, m_strip.columns, m_layout.gridLineWidth, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Ergebnistabelle"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(m_strip.columnWidth);
    StringGrid1->verticalHeader()->setDefaultSectionSize(m_strip.rowHeight);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->setShowGrid(true);
    StringGrid1->setWordWrap(false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    StringGrid1->setFont(font);
    StringGrid1->setToolTip(m_layout.hint);
    StringGrid1->viewport()->setToolTip(m_layout.hint);
    if (m_layout.cellPainter)
        StringGrid1->setItemDelegate(
            new zm::ui::CellPainterDelegate(zm::ui::CellAlignment::Centre, false, StringGrid1));
    createCells();
    StringGrid1->viewport()->installEventFilter(this);
    // Installed after the strip's own filter, so it sees the mouse first: a
    // drag on a grid line resizes and is no click into the grid.
    zm::ui::allowLineSizing(StringGrid1);

    // Right click: the print dialog, a PDF file, the cells on the clipboard.
    zm::ui::addTableMenu(this, StringGrid1, zm::print::PrintScale::Proportional);
    // … and the evaluation of a whole class test against the calculator's key.
    if (auto *menu = findChild<QMenu *>(QStringLiteral("TableMenu"))) {
        menu->addSeparator();
        QAction *evaluate = menu->addAction(QStringLiteral("Klassenarbeit auswerten…"));
        evaluate->setObjectName(QStringLiteral("ActionKlassenarbeit"));
        connect(evaluate, &QAction::triggered, this, zm::ui::guard([this] { evaluateClassTest(); }));
    }

    // Not shown: the same action as a double click, for code that wants it.
    Button1 = zm::ui::makeHiddenButton(this, QStringLiteral("Button1"));
    zm::ui::onClicked(Button1, this, [this] { Button1Click(); });

    setFixedSize(m_layout.clientSize);
    if (!m_layout.besideMainMenu)
        zm::ui::centreOnScreen(this);
}

ResultStrip::~ResultStrip() = default;

void ResultStrip::createCells()
{
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        for (int column = 0; column < StringGrid1->columnCount(); ++column) {
            if (StringGrid1->item(row, column))
                continue;
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            StringGrid1->setItem(row, column, item);
        }
    }
}

void ResultStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The grid fills the window between the heading and the footer.
    const int top = m_layout.headingHeight;
    const int bottom = Label2 ? m_layout.footerHeight : 0;
    if (Label1)
        Label1->setGeometry(4, 0, width() - 8, top);
    if (Label2)
        Label2->setGeometry(4, height() - bottom, width() - 8, bottom);
    StringGrid1->setGeometry(0, top, width(), height() - top - bottom);
}

QString ResultStrip::cell(int column, int row) const
{
    const QTableWidgetItem *item = StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

void ResultStrip::setCell(int column, int row, const QString &text)
{
    QTableWidgetItem *item = StringGrid1->item(row, column);
    if (!item)
        return;
    item->setText(text);
    // A head wider than its column gets a slightly smaller font of its own.
    if (row == 0) {
        const QFont font = zm::ui::fittingFont(StringGrid1->font(), text,
                                               zm::ui::cellTextRoom(StringGrid1, StringGrid1->indexFromItem(item)));
        if (font != StringGrid1->font())
            item->setFont(font);
        else if (item->data(Qt::FontRole).isValid())
            item->setData(Qt::FontRole, QVariant());
    }
}

void ResultStrip::setColumnCount(int columns, int windowWidth)
{
    StringGrid1->setColumnCount(columns);
    createCells();
    setFixedSize(windowWidth, height());
}

void ResultStrip::clearBandColumns()
{
    for (int column = 1; column < StringGrid1->columnCount(); ++column) {
        for (int row = 0; row < StringGrid1->rowCount(); ++row)
            setCell(column, row, QString());
    }
}

BandSource *ResultStrip::source() const
{
    return dynamic_cast<BandSource *>(zm::ui::topLevelWindow(m_layout.source));
}

void ResultStrip::StringGrid1Click()
{
    if (m_layout.besideMainMenu)
        zm::ui::placeBesideMainMenu(this, *m_layout.besideMainMenu);
    try {
        fill();
    } catch (...) {
        // The strip only copies texts; nothing here is worth a message.
    }
}

void ResultStrip::refill()
{
    StringGrid1Click();
}

void ResultStrip::fill()
{
    const BandSource *calculator = source();
    const QString score = calculator ? calculator->scoreText() : QString();
    // A pattern without "%1" is a fixed text.
    const auto withScore = [&score](const QString &pattern) {
        return pattern.contains(QLatin1String("%1")) ? pattern.arg(score) : pattern;
    };
    if (!m_strip.titlePattern.isEmpty())
        setWindowTitle(withScore(m_strip.titlePattern));
    if (Label1)
        Label1->setText(withScore(m_strip.headingPattern));
    if (!calculator)
        return;
    for (int row = 0; row < m_strip.rowHeads.size(); ++row) {
        if (!m_strip.rowHeads.at(row).isNull())
            setCell(0, row, m_strip.rowHeads.at(row));
    }
    const StripColumns &columns = calculator->chosenScale().strip;
    for (int column = 1; column < StringGrid1->columnCount(); ++column) {
        const int band = column - 1;
        const QString head = columns.heads.value(band);
        if (!head.isNull()) {
            setCell(column, 0, head);
            setCell(column, 1, calculator->thresholdText(band));
            setCell(column, 2, calculator->minimumText(band));
            continue;
        }
        if (columns.keepColumnsFrom > 0 && column >= columns.keepColumnsFrom)
            continue;
        setCell(column, 0, QString());
        if (column == columns.keepFiguresOfColumn)
            continue;
        setCell(column, 1, QString());
        setCell(column, 2, QString());
    }
}

void ResultStrip::evaluateClassTest()
{
    if (const BandSource *calculator = source())
        zm::classtest::openFromStrip(*calculator);
}

void ResultStrip::Button1Click()
{
    zm::print::printWindowImage(this, zm::print::PrintScale::Proportional);
    close();
}

void ResultStrip::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_layout.refill == Refill::OnShow)
        zm::ui::guarded([this] { StringGrid1Click(); });
}

bool ResultStrip::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && m_layout.refill == Refill::OnActivationAndClick)
        zm::ui::guarded([this] { StringGrid1Click(); });
    return QWidget::event(event);
}

bool ResultStrip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == StringGrid1->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            zm::ui::guarded([this] { Button1Click(); });
            return true;
        case QEvent::MouseButtonRelease:
            if (m_layout.refill == Refill::OnActivationAndClick &&
                static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                zm::ui::guarded([this] { StringGrid1Click(); });
            break;
        case QEvent::ToolTip:
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), m_layout.hint, StringGrid1->viewport());
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace zm::scales
