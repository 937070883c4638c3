#pragma once

// Asking the print system about a queue before a job is sent to it. Qt hands
// a finished job to the print system without looking at the answer, so a
// queue that refuses jobs would swallow them without a word.

#include <QString>

namespace zm::print {

// Whether the queue of this printer takes new jobs. False when the print
// system refuses jobs for it or cannot be asked about it. Where the program
// is built without the print system's library, every queue counts as taking
// jobs (nothing can be asked there).
bool queueAcceptsJobs(const QString &printerName);

} // namespace zm::print
