#include "transcript/tablecollector.h"

#include "transcript/tableread.h"
#include "transcript/transcript.h"

#include <algorithm>

namespace zm::transcript {

bool TableCollector::markup()
{
    if (++m_markup > MaxMarkup && m_failure.isEmpty())
        m_failure = QStringLiteral("Die Datei ist zu umfangreich für eine Mitschrift.");
    return m_failure.isEmpty();
}

// Tables nested in a cell belong to that cell's text.
void TableCollector::tableStart()
{
    if (++m_depth > 1)
        paragraphEnd();
}

void TableCollector::tableEnd()
{
    if (m_depth == 0)
        return;
    if (--m_depth == 0)
        m_finished = true;
    else
        paragraphEnd();
}

void TableCollector::rowStart(qint64 repeat)
{
    if (m_depth != 1)
        return;
    m_rowRepeat = repeat;
    m_rows.append(QStringList());
}

void TableCollector::rowEnd()
{
    if (m_depth != 1 || m_rows.isEmpty())
        return;
    // Repeated rows (OpenDocument) only matter as far as the grid reaches.
    for (qint64 i = 1; i < m_rowRepeat && m_rows.size() < Rows; ++i)
        m_rows.append(m_rows.last());
    m_rowRepeat = 1;
    if (m_rows.size() >= Rows)
        m_finished = true;
}

void TableCollector::cellStart(qint64 repeat)
{
    if (m_depth != 1)
        return;
    m_cell.clear();
    m_cellRepeat = repeat;
    // Cells beyond the grid's columns are skipped, text and all.
    m_inCell = !m_rows.isEmpty() && m_rows.last().size() < Columns;
    m_blankPending = m_paragraphPending = m_lastCollapsed = false;
}

void TableCollector::cellEnd()
{
    if (m_depth != 1) {
        paragraphEnd();
        return;
    }
    if (!m_inCell)
        return;
    m_inCell = false;
    QStringList &row = m_rows.last();
    for (qint64 i = 0; i < m_cellRepeat && row.size() < Columns; ++i)
        row.append(m_cell);
}

void TableCollector::append(QChar c)
{
    if (m_cell.size() >= MaxCellChars) {
        if (m_failure.isEmpty())
            m_failure = QStringLiteral("Eine Zelle der Tabelle hat mehr als %1 Zeichen; so viel Text passt nicht "
                                       "in eine Mitschrift.")
                            .arg(MaxCellChars);
        return;
    }
    m_cell.append(c);
}

void TableCollector::text(QStringView text)
{
    if (!m_inCell)
        return;
    for (const QChar c : text) {
        if (!m_failure.isEmpty())
            return;
        switch (m_blanks) {
        case Blanks::Keep:
            append(c);
            break;
        case Blanks::CollapseRuns: {
            const bool blank = c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
            if (!blank || !m_lastCollapsed)
                append(blank ? QChar(u' ') : c);
            m_lastCollapsed = blank;
            break;
        }
        case Blanks::Browser:
            // Blanks, line ends of the source and non-breaking blanks are one
            // blank between words; none starts or ends a paragraph.
            if (c.isSpace()) {
                m_blankPending = !m_cell.isEmpty() && !m_paragraphPending;
            } else {
                if (m_paragraphPending)
                    append(QChar(u'\r'));
                else if (m_blankPending)
                    append(QChar(u' '));
                m_blankPending = m_paragraphPending = false;
                append(c);
            }
            break;
        }
    }
}

void TableCollector::literal(QChar c, qint64 count)
{
    if (!m_inCell)
        return;
    m_lastCollapsed = false;
    for (qint64 i = 0; i < count && m_failure.isEmpty(); ++i)
        append(c);
}

// A cell's paragraphs and line breaks are separated by CR, as a word
// processor reports them; in HTML only between paragraphs that hold text.
void TableCollector::paragraphEnd()
{
    if (!m_inCell)
        return;
    if (m_blanks == Blanks::Browser) {
        m_blankPending = false;
        m_paragraphPending = !m_cell.isEmpty();
    } else {
        literal(QChar(u'\r'));
    }
}

QList<QStringList> TableCollector::rows() const
{
    if (!m_failure.isEmpty())
        throw TableReadError(m_failure);
    if (!m_finished && m_depth == 0)
        throw TableReadError(QStringLiteral("In der Datei gibt es keine Tabelle."));
    if (std::all_of(m_rows.begin(), m_rows.end(), [](const QStringList &row) { return row.isEmpty(); }))
        throw TableReadError(QStringLiteral("Die erste Tabelle der Datei ist leer."));
    return m_rows.mid(0, Rows);
}

} // namespace zm::transcript
