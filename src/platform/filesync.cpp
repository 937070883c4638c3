#include "platform/filesync.h"

#include <QFileDevice>

#include <cerrno>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace zm::platform {

bool syncToDisk(QFileDevice &file)
{
    if (!file.flush())
        return false;
#if defined(Q_OS_UNIX)
    if (::fsync(file.handle()) != 0 && (errno == ENOSPC || errno == EIO || errno == EDQUOT))
        return false;
#endif
    errno = 0;
    return true;
}

} // namespace zm::platform
