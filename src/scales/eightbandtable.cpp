#include "scales/eightbandtable.h"

#include "app/forms.h"
#include "app/mainmenu.h"
#include "common/cellpainter.h"
#include "common/errorreport.h"
#include "common/windowprint.h"
#include "scales/eightbandcalculator.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QToolTip>

#include <array>

namespace {

const QString Hint = QStringLiteral("Doppelklick !");
const QColor Background(210, 227, 238);

// Which bands each demand level fills, and what it leaves alone.
struct StripLevel
{
    int first; // columns in use, 1-based band numbers
    int last;
    const char *prefix;
    bool keepFirstColumnFigures; // column 1, rows 1 and 2 stay as they are
    bool keepLastTwoColumns;     // columns 7 and 8 stay as they are
};

StripLevel stripLevel(TForm2::Level level)
{
    switch (level) {
    case TForm2::Level::Star:
        return {3, 8, "Ü ", true, false};
    case TForm2::Level::TwoStars:
        return {2, 7, "Ü ", true, false};
    case TForm2::Level::ThreeStars:
        return {1, 6, "Ü ", false, false};
    case TForm2::Level::SpecialNeeds:
        return {1, 6, "Fö ", false, true};
    case TForm2::Level::StarPlusTwoStars:
        return {2, 8, "Ü ", false, false};
    case TForm2::Level::TwoPlusThreeStars:
        return {1, 7, "Ü ", false, false};
    case TForm2::Level::AllLevels:
        break;
    }
    return {1, 8, "Ü ", false, false};
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString());
    setFixedSize(313, 60);
    setToolTip(Hint);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Background);
    pal.setColor(QPalette::Base, Background);
    setPalette(pal);
    setAutoFillBackground(true);

    StringGrid1 = new QTableWidget(Rows, Columns, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(rect());
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(33);
    StringGrid1->verticalHeader()->setDefaultSectionSize(16);
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
    StringGrid1->setToolTip(Hint);
    StringGrid1->viewport()->setToolTip(Hint);
    StringGrid1->setItemDelegate(new zm::ui::CellPainterDelegate(zm::ui::CellAlignment::Centre, false, StringGrid1));
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            auto *item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            StringGrid1->setItem(row, column, item);
        }
    }
    StringGrid1->viewport()->installEventFilter(this);
    // Installed after the strip's own filter, so it sees the mouse first: a
    // drag on a grid line resizes and is no click into the grid.
    zm::ui::allowLineSizing(StringGrid1);

    // Not shown: the same action as a double click, for code that wants it.
    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, zm::ui::guard([this] { Button1Click(); }));
}

TForm3::~TForm3() = default;

QString TForm3::cell(int column, int row) const
{
    const QTableWidgetItem *item = StringGrid1->item(row, column);
    return item ? item->text() : QString();
}

void TForm3::setCell(int column, int row, const QString &text)
{
    StringGrid1->item(row, column)->setText(text);
}

void TForm3::clearBandColumns()
{
    for (int column = 1; column < Columns; ++column) {
        for (int row = 0; row < Rows; ++row)
            setCell(column, row, QString());
    }
}

void TForm3::StringGrid1Click()
{
    if (QWidget *menu = zm::app::window(QStringLiteral("Form1")))
        move(menu->pos() + QPoint(116, 58));
    TForm2 *calculator = zm::app::forms().form2;
    setWindowTitle(QStringLiteral("Tabelle für ") + (calculator ? calculator->Punktezahl->text() : QString()) +
                   QStringLiteral(" Punkte."));
    try {
        fillFromCalculator();
    } catch (...) {
        // The strip only copies texts; nothing here is worth a message.
    }
}

void TForm3::fillFromCalculator()
{
    TForm2 *calculator = zm::app::forms().form2;
    if (!calculator)
        return;
    const StripLevel level = stripLevel(calculator->level());
    const bool threeStars = calculator->level() == TForm2::Level::ThreeStars;
    setCell(0, 1, QStringLiteral("%"));
    setCell(0, 2, QStringLiteral("ab"));
    for (int band = 1; band < Columns; ++band) {
        if (band >= level.first && band <= level.last) {
            QString name = QString::fromUtf8(level.prefix) + QString::number(band);
            if (threeStars && band == 1)
                name += QLatin1Char(' '); // "Ü 1 " has always carried this blank
            setCell(band, 0, name);
            setCell(band, 1, calculator->threshold(band - 1)->text());
            setCell(band, 2, calculator->minimum(band - 1)->text());
            continue;
        }
        if (level.keepLastTwoColumns && band >= 7)
            continue;
        setCell(band, 0, QString());
        if (level.keepFirstColumnFigures && band == 1)
            continue;
        setCell(band, 1, QString());
        setCell(band, 2, QString());
    }
}

void TForm3::Button1Click()
{
    zm::print::printWindowImage(this, zm::print::PrintScale::Proportional);
    close();
}

bool TForm3::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        zm::ui::guarded([this] { StringGrid1Click(); });
    return QWidget::event(event);
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == StringGrid1->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            zm::ui::guarded([this] { Button1Click(); });
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                zm::ui::guarded([this] { StringGrid1Click(); });
            break;
        case QEvent::ToolTip:
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), Hint, StringGrid1->viewport());
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
