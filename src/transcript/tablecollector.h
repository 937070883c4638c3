#pragma once

// Collects the first table of a document from the events of a walk through
// it (elements opening and closing, text), whatever the format. The walk is
// bounded: reading ends at the table's last row the grid can show, cells
// beyond the grid's columns are skipped, a cell's text is collected up to a
// few hundred characters only, and the markup looked at is counted. So a
// file built to exhaust time or memory is answered at once.

#include <QList>
#include <QString>
#include <QStringList>

namespace zm::transcript {

// Bounds of one read-back.
inline constexpr int MaxCellChars = 300;                 // a longer cell makes the read fail
inline constexpr qint64 MaxMarkup = 200'000;             // elements, comments, text pieces
inline constexpr qint64 MaxFileBytes = 64 * 1024 * 1024; // a file (a .docx may hold pictures)
inline constexpr qint64 MaxTextBytes = 8 * 1024 * 1024;  // HTML, or the unpacked XML of a .docx/.odt

class TableCollector
{
public:
    // How blanks in a cell's text are treated.
    enum class Blanks {
        Keep,         // .docx: as written
        CollapseRuns, // .odt: a run of blanks, tabs and line ends is one blank
        Browser,      // HTML: as a browser lays text out; blocks are paragraphs
    };
    explicit TableCollector(Blanks blanks)
        : m_blanks(blanks)
    {
    }

    // True once the first table is complete, or the read ran into a bound.
    bool finished() const { return m_finished || !m_failure.isEmpty(); }
    // Counts one piece of markup; false once the budget is used up.
    bool markup();

    void tableStart();
    void tableEnd();
    void rowStart(qint64 repeat = 1);
    void rowEnd();
    void cellStart(qint64 repeat = 1);
    void cellEnd();
    // Whether text now would be kept (inside a cell of the table).
    bool collecting() const { return m_inCell && m_failure.isEmpty(); }
    // Text of the document; only text inside a cell of the table is kept.
    void text(QStringView text);
    // Text the format stands for by markup (a tab, repeated blanks).
    void literal(QChar c, qint64 count = 1);
    void paragraphEnd();

    // The rows read; throws TableReadError with the reason when there is no
    // table, it is empty or the read ran into a bound.
    QList<QStringList> rows() const;

private:
    void append(QChar c);

    QList<QStringList> m_rows;
    QString m_cell;
    QString m_failure;
    qint64 m_markup = 0;
    qint64 m_rowRepeat = 1;
    qint64 m_cellRepeat = 1;
    int m_depth = 0;
    Blanks m_blanks;
    bool m_inCell = false;
    bool m_finished = false;
    bool m_blankPending = false;     // Browser: a blank before the next character
    bool m_paragraphPending = false; // Browser: a paragraph break before it
    bool m_lastCollapsed = false;    // CollapseRuns: the last character was a collapsed run
};

} // namespace zm::transcript
