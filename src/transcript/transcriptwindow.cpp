#include "transcript/transcriptwindow.h"

#include "app/forms.h"
#include "common/tablemenu.h"
#include "common/cellpainter.h"
#include "common/clock.h"
#include "common/controls.h"
#include "common/errorreport.h"
#include "common/filedialogs.h"
#include "common/filewriter.h"
#include "common/messages.h"
#include "common/widgetstyle.h"
#include "common/windowprint.h"
#include "langindex/essaygrade.h"
#include "langindex/essayhandoff.h"
#include "transcript/csvexport.h"
#include "transcript/documentexport.h"
#include "transcript/namewindow.h"
#include "transcript/statistics.h"
#include "transcript/tableread.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

namespace zm::transcript {

// Rows 1 … 35 of the transcript as the grid's rows, row 0 as its heading.
class GridModel : public QAbstractTableModel
{
public:
    GridModel(const Transcript &transcript, QObject *parent)
        : QAbstractTableModel(parent)
        , m_transcript(transcript)
    {
    }
    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : Rows - 1; }
    int columnCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : Columns; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return m_transcript.cell(index.column(), index.row() + 1);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return m_transcript.cell(section, 0);
    }
    void refresh()
    {
        emit headerDataChanged(Qt::Horizontal, 0, Columns - 1);
        emit dataChanged(index(0, 0), index(Rows - 2, Columns - 1));
    }

private:
    const Transcript &m_transcript;
};

} // namespace zm::transcript

namespace tr = zm::transcript;

namespace {

const QString GridHint = QStringLiteral("Zellen bearbeiten oder löschen kannst du erst in der abgespeicherten Datei!");
const QString NoTable = QStringLiteral("Hier gibts wohl kein WinWord? Brauche ich aber!, sorry");

constexpr int Margin = 8;
constexpr int VisibleRows = 20;
constexpr int GridHeight = (VisibleRows + 1) * tr::RowHeight + 2;
constexpr int ButtonWidth = 188;
constexpr int ButtonStep = 196;
constexpr int ButtonHeight = 28;
// The grade distribution: a heading row of grades over one row of counts.
constexpr int CountCaptionWidth = 60;
constexpr int GradeWidth = 32;
constexpr int DistributionHeight = 2 * tr::RowHeight + 2;

} // namespace

TForm17::TForm17(QWidget *parent)
    : QWidget(parent, zm::ui::MinimiseCloseWindow)
{
    setObjectName(QStringLiteral("Form17"));
    const int top = Margin + 24;
    const int buttonsTop = top + GridHeight + 30;
    const int statisticsTop = buttonsTop + ButtonHeight + 12;
    setFixedSize(tr::GridWidth + 2 * Margin, statisticsTop + DistributionHeight + 6 + 20 + Margin);

    Label1 = zm::ui::makeLabel(this, QStringLiteral("Label1"), printTitle(), QRect(Margin, Margin, 400, 20));
    zm::ui::setBold(Label1);
    buildGrid();
    StringGrid1->setGeometry(Margin, top, tr::GridWidth, GridHeight);
    Label2 = zm::ui::makeLabel(this, QStringLiteral("Label2"),
                               QStringLiteral("Nur gespeicherte Dateien kannst du mit Word bearbeiten."),
                               QRect(Margin, top + GridHeight + 4, 500, 22));

    const auto button = [this](const char *name, const char *caption, int slot, int y) {
        return zm::ui::makeButton(this, QString::fromLatin1(name), QString::fromUtf8(caption),
                                  QRect(Margin + slot * ButtonStep, y, ButtonWidth, ButtonHeight));
    };
    Button1 = button("Button1", "drucken", 0, buttonsTop);
    Button1->setToolTip(QStringLiteral("... oder lieber speichern?"));
    Button3 = button("Button3", "speichern", 1, buttonsTop);
    Button4 = button("Button4", "doc öffnen", 2, buttonsTop);
    Button5 = button("Button5", "zurück", 3, buttonsTop);
    Button2 = zm::ui::makeHiddenButton(this, QStringLiteral("Button2"));
    buildStatistics(statisticsTop);
    ButtonCsv = button("ButtonCsv", "CSV speichern…", 3, statisticsTop + (DistributionHeight - ButtonHeight) / 2);

    zm::ui::onClicked(Button1, this, [this] { Button1Click(); });
    zm::ui::onClicked(Button2, this, [this] { Button2Click(); });
    zm::ui::onClicked(Button3, this, [this] { Button3Click(); });
    zm::ui::onClicked(Button4, this, [this] { Button4Click(); });
    zm::ui::onClicked(Button5, this, [this] { Button5Click(); });
    zm::ui::onClicked(ButtonCsv, this, [this] { ButtonCsvClick(); });
    refreshGrid();

    setWindowTitle(printTitle());
    zm::ui::centreOnScreen(this);
}

TForm17::~TForm17() = default;

void TForm17::buildGrid()
{
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(QStringLiteral("Mitschrift"));
    m_model = new tr::GridModel(m_transcript, StringGrid1);
    StringGrid1->setModel(m_model);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    StringGrid1->setFont(font);
    zm::ui::setPaletteColour(StringGrid1, QPalette::Text, Qt::black);
    StringGrid1->setItemDelegate(new zm::ui::CellPainterDelegate(zm::ui::CellAlignment::Left, false, StringGrid1));
    // Right click: the print dialog, a PDF file, the rows on the clipboard.
    zm::ui::addTableMenu(this, StringGrid1, zm::print::PrintScale::PrintToFit);

    // Row 0 stays in place as the heading; the student rows scroll below it.
    QHeaderView *heading = StringGrid1->horizontalHeader();
    heading->setFont(font);
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setFixedHeight(tr::RowHeight);
    heading->setMinimumSectionSize(1);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setHighlightSections(false);
    for (int column = 0; column < tr::Columns; ++column)
        StringGrid1->setColumnWidth(column, tr::ColumnWidths[column]);
    QHeaderView *rows = StringGrid1->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(tr::RowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    // Nothing to select or edit here; the saved file is the place for that.
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->setFocusPolicy(Qt::NoFocus);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setWordWrap(false);
    StringGrid1->setToolTip(GridHint);
    StringGrid1->viewport()->setToolTip(GridHint);
}

void TForm17::buildStatistics(int top)
{
    const QStringList grades = zm::langindex::EssayGrade::gradeTexts();
    Notenspiegel = new QTableWidget(1, static_cast<int>(grades.size()), this);
    Notenspiegel->setObjectName(QStringLiteral("Notenspiegel"));
    Notenspiegel->setAccessibleName(QStringLiteral("Notenspiegel"));
    Notenspiegel->setHorizontalHeaderLabels(grades);
    Notenspiegel->setVerticalHeaderLabels({QStringLiteral("Anzahl")});
    for (int column = 0; column < Notenspiegel->columnCount(); ++column) {
        auto *count = new QTableWidgetItem;
        count->setFlags(Qt::ItemIsEnabled);
        count->setTextAlignment(Qt::AlignCenter);
        Notenspiegel->setItem(0, column, count);
        Notenspiegel->setColumnWidth(column, GradeWidth);
    }
    QHeaderView *heading = Notenspiegel->horizontalHeader();
    heading->setFixedHeight(tr::RowHeight);
    heading->setMinimumSectionSize(1);
    heading->setSectionResizeMode(QHeaderView::Fixed);
    heading->setHighlightSections(false);
    QHeaderView *caption = Notenspiegel->verticalHeader();
    caption->setFixedWidth(CountCaptionWidth);
    caption->setMinimumSectionSize(1);
    caption->setDefaultSectionSize(tr::RowHeight);
    caption->setSectionResizeMode(QHeaderView::Fixed);
    caption->setHighlightSections(false);
    Notenspiegel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Notenspiegel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Notenspiegel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Notenspiegel->setSelectionMode(QAbstractItemView::NoSelection);
    Notenspiegel->setFocusPolicy(Qt::NoFocus);
    Notenspiegel->setGeometry(Margin, top, CountCaptionWidth + Notenspiegel->columnCount() * GradeWidth + 2,
                              DistributionHeight);

    Durchschnitt = zm::ui::makeLabel(this, QStringLiteral("Durchschnitt"), QString(),
                                     QRect(Margin, top + DistributionHeight + 6, Notenspiegel->width(), 20));
}

QString TForm17::cell(int column, int row) const
{
    return m_transcript.cell(column, row);
}

QString TForm17::printTitle()
{
    return QStringLiteral("Ausdruck vom ") + zm::clock::dateText(zm::clock::now().date());
}

void TForm17::refreshGrid()
{
    m_model->refresh();
    const tr::Statistics statistics = tr::statisticsOf(m_transcript);
    for (int column = 0; column < Notenspiegel->columnCount(); ++column)
        Notenspiegel->item(0, column)->setText(QString::number(statistics.gradeCounts.value(column)));
    Durchschnitt->setText(tr::averageText(statistics));
}

void TForm17::Button1Click()
{
    setWindowTitle(printTitle());
    zm::ui::showMessage(QStringLiteral("Nur was gerade auf dem Monitor zu sehen ist, wird auch gedruckt. Die Tabelle "
                                       "kann aber als Word- oder html-Datei gespeichert und weiter verarbeitet "
                                       "(gedruckt) werden!"));
    zm::print::printWindowImage(this, zm::print::PrintScale::PrintToFit);
}

void TForm17::Button2Click()
{
    const zm::langindex::EssayHandOff *essay = essayWindow();
    const TForm18 *names = zm::app::forms().form18;
    if (!essay || !names)
        return;
    const QStringList cells = essay->resultCells();
    tr::Row row;
    row[0] = names->Edit1->text();
    for (std::size_t column = 1; column < row.size(); ++column)
        row[column] = cells.value(static_cast<qsizetype>(column) - 1);
    if (!m_transcript.addRow(row)) {
        zm::ui::showMessage(QStringLiteral("Die Mitschrift ist voll: mehr als 35 Schülerinnen und Schüler passen "
                                           "nicht hinein.\nDieser Eintrag wurde nicht übernommen. Speichere die "
                                           "Mitschrift jetzt!"));
        return;
    }
    refreshGrid();
}

zm::langindex::EssayHandOff *TForm17::essayWindow()
{
    return dynamic_cast<zm::langindex::EssayHandOff *>(zm::app::window(QStringLiteral("Form14")));
}

void TForm17::showTranscript()
{
    setWindowTitle(printTitle());
    zm::ui::showInFront(this);
}

void TForm17::Button3Click()
{
    save();
}

bool TForm17::save()
{
    zm::langindex::EssayHandOff *essay = essayWindow();
    const int pendingBefore = essay ? essay->pendingState() : 2;
    const auto keepPending = [&] {
        if (essay)
            essay->setPendingState(pendingBefore);
    };
    if (essay) {
        essay->setPendingState(2);
        if (const zm::langindex::LevelInfo *level = essay->selectedLevel())
            m_indexName = tr::indexName(level->level);
    }

    zm::ui::FileRequest request;
    request.kind = zm::ui::FileRequest::Kind::Save;
    request.folder = zm::app::dataFolder();
    request.filters = {QStringLiteral("Ergebnismitschrift als .doc ( *.doc)"),
                       QStringLiteral("Ergebnismitschrift als .html (*.html)"),
                       QStringLiteral("Word-Dokument (*.docx)"), QStringLiteral("OpenDocument-Text (*.odt)")};
    request.defaultSuffix = QStringLiteral("doc");
    QString filter;
    request.chosenFilter = &filter;
    const QString path = zm::ui::chooseFile(request);
    // Nothing saved: whatever was waiting to be saved still is.
    if (path.isEmpty()) {
        keepPending();
        return false;
    }
    try {
        // The typed extension decides, else the filter entry: HTML, .docx or .odt.
        zm::files::writeFile(
            path, tr::transcriptDocument(tr::documentType(path, filter), m_transcript, m_indexName, zm::clock::now()),
            QStringLiteral("Die Mitschrift wurde nicht gespeichert:"));
    } catch (const zm::Error &error) {
        keepPending();
        zm::ui::reportError(error.text());
        return false;
    }
    m_transcript.markSaved();
    return true;
}

void TForm17::Button4Click()
{
    zm::ui::FileRequest request;
    request.folder = zm::app::dataFolder();
    const QString path = zm::ui::chooseFile(request);
    if (path.isEmpty())
        return;
    QList<QStringList> table;
    try {
        table = tr::readFirstTable(path);
    } catch (const tr::TableReadError &error) {
        zm::ui::showMessage(NoTable + QLatin1Char('\n') + error.text());
        return;
    }
    m_transcript.putTable(table);
    refreshGrid();
    zm::ui::showMessage(QStringLiteral("Alles eingelesen, Microsoft Word kannst du  jetzt wieder beenden!"));
}

void TForm17::Button5Click()
{
    hide();
}

// A copy for a spreadsheet: the rows stay waiting to be saved as a transcript.
// A failed write reaches the general error report and leaves the old file.
void TForm17::ButtonCsvClick()
{
    zm::ui::FileRequest request;
    request.kind = zm::ui::FileRequest::Kind::Save;
    request.folder = zm::app::dataFolder();
    request.filters = {QStringLiteral("CSV-Datei (*.csv)")};
    request.defaultSuffix = QStringLiteral("csv");
    const QString path = zm::ui::chooseFile(request);
    if (!path.isEmpty())
        zm::files::writeFile(path, tr::transcriptCsv(m_transcript),
                             QStringLiteral("Die CSV-Datei wurde nicht gespeichert:"));
}

bool TForm17::mayEnd()
{
    if (!m_transcript.hasUnsavedRows())
        return true;
    switch (zm::ui::askYesNoCancel(QStringLiteral("Die Mitschrift enthält Einträge, die noch nicht gespeichert sind.\n"
                                                  "Sollen sie vor dem Beenden gespeichert werden?"))) {
    case zm::ui::Answer::Yes:
        return save();
    case zm::ui::Answer::No:
        return true;
    case zm::ui::Answer::Cancel:
        break;
    }
    return false;
}
