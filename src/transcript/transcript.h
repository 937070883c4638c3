#pragma once

// The transcript of one run of the program: a grid of 8 columns and 36 rows,
// the headings in row 0 and one student a row below them. It only grows
// (a row for every "fertig") or is overwritten by a table read back from a
// document; saving it as HTML lives in htmlexport.h.

#include "langindex/errorindex.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zm::transcript {

inline constexpr int Columns = 8;
inline constexpr int Rows = 36; // row 0: headings; so at most 35 students
inline constexpr int RowHeight = 20;
inline constexpr int GridWidth = 777;
inline constexpr std::array<int, Columns> ColumnWidths = {220, 100, 80, 50, 50, 50, 50, 135};

using Row = std::array<QString, Columns>;

class Transcript
{
public:
    Transcript();

    QString cell(int column, int row) const;

    // Writes the student row into the first row from 1 on whose name cell is
    // empty (a row with an empty name is taken again by the next student).
    // Returns that row, or nothing when all 35 are taken: then nothing changes.
    std::optional<int> addRow(const Row &row);

    // Puts a table read from a document into the grid: table row r lands in grid row r, so a saved title row becomes
    // row 0. CR and BEL are removed from the texts; a missing cell of a short table row, and every grid cell outside
    // the table, keeps its text.
    void putTable(const QList<QStringList> &table);

    // Rows added since the last successful save.
    bool hasUnsavedRows() const { return m_unsaved; }
    void markSaved() { m_unsaved = false; }

private:
    std::array<Row, Rows> m_cells{};
    bool m_unsaved = false;
};

// The name of the level in the title row of a saved transcript
// ("Engl. GK 11", " Frz.,11 ab 5/7"; the leading blanks belong to it).
QString indexName(langindex::Level level);

} // namespace zm::transcript
