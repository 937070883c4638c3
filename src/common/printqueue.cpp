#include "common/printqueue.h"

#if defined(ZENSOMAT_HAVE_CUPS)
#include <cups/cups.h>

#include <cstring>
#endif

namespace zm::print {

#if defined(ZENSOMAT_HAVE_CUPS)

bool queueAcceptsJobs(const QString &printerName)
{
    // Qt names an instance of a queue "queue/instance".
    const qsizetype slash = printerName.indexOf(QLatin1Char('/'));
    const QByteArray queue = printerName.left(slash).toLocal8Bit();
    const QByteArray instance = slash < 0 ? QByteArray() : printerName.mid(slash + 1).toLocal8Bit();
    cups_dest_t *dest =
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(), instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return false; // the print server no longer knows the queue or cannot be reached
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    // A server that does not report the attribute is taken to accept jobs.
    const bool accepts = !accepting || std::strcmp(accepting, "false") != 0;
    cupsFreeDests(1, dest);
    return accepts;
}

#else

bool queueAcceptsJobs(const QString &)
{
    return true;
}

#endif

} // namespace zm::print
