// Reading a table back from a document: bytes → rows, within the grid's
// bounds, or a reason in German. Built three times: for HTML, where the
// bytes are the file, and for .docx and .odt, where the bytes are the
// archive, or, when they are none, the document's XML packed into one (so
// the XML is explored as well as the archive).

#include "transcript/tablecollector.h"
#include "transcript/tableread.h"
#include "transcript/transcript.h"
#include "fuzzing.h"
#include "support/zipped.h"

using namespace zm;
using fuzz::require;

namespace {

QByteArray document(const QByteArray &bytes)
{
    const char *entry = ZM_FUZZ_ENTRY;
    if (*entry == '\0' || bytes.startsWith("PK"))
        return bytes;
    return test::zipped(QString::fromLatin1(entry), bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QByteArray bytes = document(fuzz::bytesOf(data, size));
    try {
        const QList<QStringList> rows = transcript::firstTableOf(bytes);
        require(!rows.isEmpty() && rows.size() <= transcript::Rows, "1 to 36 rows");
        for (const QStringList &row : rows) {
            require(row.size() <= transcript::Columns, "at most 8 cells a row");
            for (const QString &cell : row)
                require(cell.size() <= transcript::MaxCellChars, "a cell within its bound", cell);
        }
    } catch (const transcript::TableReadError &error) {
        require(!error.text().isEmpty() && !error.text().contains(QLatin1String("std::")), "a reason in German",
                error.text());
    }
    return 0;
}
