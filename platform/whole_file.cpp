#include "platform/whole_file.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace platform {

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QString why;
    // QSaveFile holds small writes in its buffer and flushes them in commit(), which does not look at
    // how that flush went: it would put a short or empty file in place. So the flush and the sync to
    // disk are checked here, before commit() only renames. Not committed, the file beside is removed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        why = file.errorString();
    else if (::fsync(file.handle()) != 0 && errno != EINVAL) // EINVAL: a file system that cannot sync
        why = qt_error_string(errno);
    else if (!file.commit())
        why = file.errorString();
    if (why.isEmpty())
        return true;
    if (reason)
        *reason = why;
    return false;
}

} // namespace platform
