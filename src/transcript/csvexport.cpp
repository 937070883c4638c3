#include "transcript/csvexport.h"

#include "transcript/transcript.h"

#include <QRegularExpression>
#include <QStringList>

namespace zm::transcript {

namespace {

bool plainNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+(,[0-9]+)?$"));
    return number.match(text).hasMatch();
}

bool startsFormula(const QString &text)
{
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()) && !plainNumber(text);
}

} // namespace

QString csvCell(const QString &text)
{
    QString cell = startsFormula(text) ? QLatin1Char('\'') + text : text;
    static const QRegularExpression needsQuotes(QStringLiteral("[;\"\r\n]"));
    if (cell.contains(needsQuotes))
        cell = QLatin1Char('"') + cell.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return cell;
}

QByteArray transcriptCsv(const Transcript &transcript)
{
    QByteArray bytes("\xEF\xBB\xBF");
    for (int row = 0; row < Rows; ++row) {
        QStringList cells;
        bool filled = false;
        for (int column = 0; column < Columns; ++column) {
            const QString text = transcript.cell(column, row);
            filled = filled || !text.isEmpty();
            cells << csvCell(text);
        }
        if (row == 0 || filled)
            bytes += cells.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    return bytes;
}

} // namespace zm::transcript
