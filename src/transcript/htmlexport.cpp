#include "transcript/htmlexport.h"

#include "common/clock.h"
#include "common/errors.h"
#include "common/ownvalues.h"
#include "transcript/transcript.h"

namespace zm::transcript {

namespace {

constexpr int BorderNumber = 1;

const QByteArray TableLine =
    " <table border= 1 style= border-collapse:collapse;border:none;mso-border-alt:solid windowtext "
    ".5pt;mso-yfti-tbllook:480;mso-padding-alt:0cm 5.4pt 0cm 5.4pt;mso-border-insideh:.5pt solid "
    "windowtext;mso-border-insidev:.5pt solid windowtext\"";

bool inWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    if (c > 0xFFFF)
        return false;
    // The code page maps these to bytes 0x80 … 0x9F; everything else becomes '?'.
    return ownvalues::toWindows1252(QString(QChar(static_cast<char16_t>(c)))) != "?";
}

class Html
{
public:
    Html(const CellFont &font)
        : m_font(font)
    {
    }

    void line(const QByteArray &text)
    {
        m_bytes += text;
        m_bytes += "\r\n";
    }

    // One cell: the width of its column, the grid's row height and font, the
    // text (a single blank for an empty one).
    QByteArray cell(int column, const QString &text) const
    {
        QByteArray open;
        QByteArray close;
        const auto style = [&](bool on, const char *tag) {
            if (on) {
                open += QByteArray("<") + tag + ">";
                close += QByteArray("</") + tag + ">";
            }
        };
        style(m_font.bold, "b");
        style(m_font.italic, "i");
        style(m_font.underline, "u");
        return "<td width=\"" + QByteArray::number(ColumnWidths[column]) + "\" height=\"" +
               QByteArray::number(RowHeight) + "\"><div align=\"left\"><font color=\"#" +
               ownvalues::toWindows1252(m_font.colour) + "\" face=\"" + ownvalues::toWindows1252(m_font.face) + "\">" +
               open + cellBytes(text.isEmpty() ? QStringLiteral(" ") : text) + close + "</font></div></td>";
    }

    QByteArray bytes() const { return m_bytes; }

private:
    const CellFont &m_font;
    QByteArray m_bytes;
};

} // namespace

Row titleRow(const QString &indexName, const QDateTime &when)
{
    // Level, date and time, three empty cells, the sign and the maker.
    return {
        QStringLiteral("Index: ") + indexName,
        clock::dateText(when.date()),
        clock::timeText(when.time()),
        QString(),
        QString(),
        QString(),
        QStringLiteral("©"),
        QStringLiteral("Velmorra"),
    };
}

QByteArray cellBytes(const QString &text)
{
    QByteArray out;
    for (const char32_t c : text.toUcs4()) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (inWindows1252(c))
            out += ownvalues::toWindows1252(QString::fromUcs4(&c, 1));
        else
            out += "&#" + QByteArray::number(static_cast<quint32>(c)) + ";";
    }
    return out;
}

QByteArray transcriptHtml(const Transcript &transcript, const QString &indexName, const QDateTime &when,
                          const CellFont &font)
{
    Html html(font);
    html.line("<html>");
    // Without this line a reader that assumes UTF-8 breaks every umlaut.
    html.line("<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\"></head>");
    html.line("<body>");
    html.line(TableLine + QByteArray::number(BorderNumber) + "\" width=98%\"" + QByteArray::number(GridWidth) +
              "\" height=\"" + QByteArray::number(GridWidth) + "\">");

    const Row title = titleRow(indexName, when);
    html.line("  <tr>");
    for (int column = 0; column < Columns; ++column) {
        const QByteArray lead = column == 0 ? " " : "";
        const QByteArray trail = column == 2 ? "" : " ";
        html.line(lead + html.cell(column, title[column]) + trail);
    }
    html.line("  </tr>");

    for (int row = 0; row < Rows; ++row) {
        html.line("  <tr>");
        for (int column = 0; column < Columns; ++column)
            html.line(html.cell(column, transcript.cell(column, row)));
        html.line("  </tr>");
    }
    html.line("  </table>");
    html.line("</body>");
    html.line("</html>");
    return html.bytes();
}

} // namespace zm::transcript
