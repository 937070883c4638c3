#include "transcript/transcript.h"

#include <utility>

namespace zm::transcript {

namespace {

using langindex::Level;

constexpr std::array<const char *, Columns> Headings = {
    "Name:", "Wortzahl:", "Fehler:", "F.Q.:", "Pkt.:", "A.:", "Inhalt:", "Gesamtpkt./Note:",
};

// clang-format off
constexpr std::array<std::pair<Level, const char *>, 26> IndexNames = {{
    {Level::Ewert,        "eigene Werte"},
    {Level::Engl7,        "Engl. 7.Klasse"},
    {Level::Engl8,        "Engl. 8.Klasse"},
    {Level::Engl9,        "Engl. 9.Klasse"},
    {Level::R10,          "Englisch 10. Klasse"},
    {Level::G11,          "Engl. GK 11"},
    {Level::L11,          "Engl. LK 11"},
    {Level::G12,          "Engl. GK 12"},
    {Level::L12,          "Engl. LK 12"},
    {Level::G13,          "Engl. GK 13"},
    {Level::L13,          "Engl. LK 13"},
    {Level::Deutsch,      "Dt., verbindlich 13"},
    {Level::DtSek1,       "Dt., verbindlich 10"},
    {Level::Frz11ab57,    " Frz.,11 ab 5/7"},
    {Level::Frz11ab911,   " Frz.,11 ab 9/11"},
    {Level::FrzGK12ab57,  " GK-Frz.,12 ab 5/7"},
    {Level::FrzGK12ab911, " GK_Frz.,12 ab 9/11"},
    {Level::FrzLK12ab57,  "LK-Frz.,12 ab 5/7"},
    {Level::FrzLK12ab9,   "LK-Frz.,12 ab 9"},
    {Level::FrzLK12ab11,  "LK-Frz.,12 ab 11"},
    {Level::FrzGK13ab57,  "GK-Frz.,13 ab 5/7"},
    {Level::FrzGK13ab9,   "GK-Frz.,13 ab 9"},
    {Level::FrzGK13ab11,  "GK-Frz.,13 ab 11"},
    {Level::FrzLK13ab57,  "LK-Frz.,13 ab 5/7"},
    {Level::FrzLK13ab9,   "LK-Frz.,13 ab 9"},
    {Level::FrzLK13ab11,  "LK-Frz.,13 ab 11"},
}};
// clang-format on

} // namespace

Transcript::Transcript()
{
    for (int column = 0; column < Columns; ++column)
        m_cells[0][column] = QString::fromUtf8(Headings[column]);
}

QString Transcript::cell(int column, int row) const
{
    if (column < 0 || column >= Columns || row < 0 || row >= Rows)
        return QString();
    return m_cells[row][column];
}

std::optional<int> Transcript::addRow(const Row &row)
{
    for (int r = 1; r < Rows; ++r) {
        if (m_cells[r][0].isEmpty()) {
            m_cells[r] = row;
            m_unsaved = true;
            return r;
        }
    }
    return std::nullopt;
}

void Transcript::putTable(const QList<QStringList> &table)
{
    for (int row = 0; row < Rows && row < table.size(); ++row) {
        const QStringList &cells = table[row];
        for (int column = 0; column < Columns && column < cells.size(); ++column) {
            QString text = cells[column];
            text.remove(QLatin1Char('\r'));
            text.remove(QLatin1Char('\a'));
            m_cells[row][column] = text;
        }
    }
}

QString indexName(Level level)
{
    for (const auto &[named, name] : IndexNames) {
        if (named == level)
            return QString::fromUtf8(name);
    }
    return QString();
}

} // namespace zm::transcript
