// The transcript's saved HTML read back: rows → HTML → rows gives the same
// cells. Rows are the lines of the input, cells its tab-separated fields.
// Cells are first made what a grid cell can hold and a browser shows alike:
// no control characters, no blank at either end or twice in a row (a
// browser lays every run of blanks out as one), at most the read-back's
// cell length. Two honest limits: the saved file is Windows-1252 without a
// declared encoding, so one whose bytes happen to be valid UTF-8 (a name
// spelt "Ã¼") is read as UTF-8, and of the 36 grid rows the read-back keeps
// 35 below the file's title row.

#include "transcript/htmlexport.h"
#include "transcript/tablecollector.h"
#include "transcript/tableread.h"
#include "transcript/transcript.h"
#include "fuzzing.h"

#include <QStringDecoder>

using namespace zm;
using fuzz::require;

namespace {

QString gridText(QString text)
{
    for (QChar &c : text) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text.simplified().left(transcript::MaxCellChars).trimmed();
}

bool readAsUtf8(const QByteArray &html)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(html);
    return !utf8.hasError() && std::any_of(html.begin(), html.end(), [](char c) { return c & 0x80; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    transcript::Transcript saved;
    const QStringList lines = QString::fromUtf8(fuzz::bytesOf(data, size)).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(0, transcript::Rows - 1)) {
        transcript::Row row;
        const QStringList fields = line.split(QLatin1Char('\t'));
        for (int c = 0; c < transcript::Columns && c < fields.size(); ++c)
            row[c] = gridText(fields[c]);
        if (row[0].isEmpty())
            row[0] = QStringLiteral("?"); // an empty name is overwritten by the next row
        saved.addRow(row);
    }
    const QByteArray html =
        transcript::transcriptHtml(saved, QStringLiteral("Engl. GK 11"), QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    if (readAsUtf8(html))
        return 0;
    transcript::Transcript back;
    try {
        back.putTable(transcript::firstTableOf(html));
    } catch (const transcript::TableReadError &error) {
        require(false, "a saved transcript reads back", error.text());
    }
    for (int r = 0; r + 1 < transcript::Rows; ++r) {
        for (int c = 0; c < transcript::Columns; ++c)
            require(back.cell(c, r + 1) == saved.cell(c, r), "a cell reads back as saved",
                    QStringLiteral("row %1, column %2: '%3' became '%4'")
                        .arg(r)
                        .arg(c)
                        .arg(saved.cell(c, r), back.cell(c, r + 1)));
    }
    return 0;
}
