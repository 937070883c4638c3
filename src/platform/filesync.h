#pragma once

// Pushing a file's written data to the disk before it counts as saved.

class QFileDevice;

namespace zm::platform {

// Flushes the file's buffer and asks the system to write it to the disk.
// False only when the disk is full or fails: file systems that cannot sync
// report other codes, which do not count. Where the system offers no such
// call, the flush alone decides.
bool syncToDisk(QFileDevice &file);

} // namespace zm::platform
