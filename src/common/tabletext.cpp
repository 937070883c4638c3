#include "common/tabletext.h"

namespace zm::tabletext {

namespace {

QString oneLine(QString cell)
{
    for (QChar &c : cell) {
        if (c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QLatin1Char(' ');
    }
    return cell;
}

} // namespace

QString toTabSeparated(const Rows &rows)
{
    QString out;
    for (const QStringList &row : rows) {
        QStringList cells;
        for (const QString &cell : row)
            cells << oneLine(cell);
        out += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return out;
}

QString toHtmlTable(const Rows &rows)
{
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n");
    for (const QStringList &row : rows) {
        out += QStringLiteral("<tr>");
        for (const QString &cell : row)
            out += QStringLiteral("<td>") + (cell.isEmpty() ? QStringLiteral("&nbsp;") : cell.toHtmlEscaped()) +
                   QStringLiteral("</td>");
        out += QStringLiteral("</tr>\n");
    }
    return out + QStringLiteral("</table>\n");
}

QString fileNameFromTitle(const QString &title, const QString &fallback)
{
    static const QString Refused = QStringLiteral("\\/:*?\"<>|");
    QString name;
    for (const QChar c : title)
        name += (c.unicode() < 0x20 || Refused.contains(c)) ? QLatin1Char('_') : c;
    while (!name.isEmpty() && (name.back() == QLatin1Char(' ') || name.back() == QLatin1Char('.')))
        name.chop(1);
    name = name.trimmed();
    return name.isEmpty() ? fallback : name;
}

} // namespace zm::tabletext
