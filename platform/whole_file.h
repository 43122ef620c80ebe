// Writing a file whole: the new contents are put under the name only once every byte is on the disk.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// Writes `bytes` as the file `path`. On any failure (no room left, a quota, an I/O error, a folder that
// cannot be written) the file that stood under the name is left as it was, no file is left where none
// was, nothing is left beside it, and false is returned with the system's reason in `reason`.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr);

} // namespace platform
