// Reading a file that a user names: only a plain file is opened, without waiting on anything, and never
// more of it than the reader asks for.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// A plain file open for reading (a link is followed to what it names). A named pipe, a device or a folder
// is refused before it is opened, so that neither the open nor a read can wait on a writer or run on
// without end.
class PlainFile
{
public:
    explicit PlainFile(const QString &path);
    ~PlainFile();
    PlainFile(const PlainFile &) = delete;
    PlainFile &operator=(const PlainFile &) = delete;

    // The next bytes, up to `count`: fewer only at the end of the file. nullopt when the file is not open
    // (not a plain file, or missing) or on a read error.
    std::optional<QByteArray> read(qint64 count);
    // The same, added at the end of `bytes` (which keeps what it held on a failure); false on a failure.
    bool readInto(QByteArray &bytes, qint64 count);

private:
    int m_fd = -1;
};

} // namespace platform
