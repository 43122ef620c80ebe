// Files that are not plain files, or are endless, as a user can name them in a file dialog: a named pipe
// that nobody writes to, a link to a device, a sparse file of gigabytes.
#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace testsupport {

// A named pipe that no program writes to. A reader that waits in open() for a writer is let go after
// `grace_ms` by a writer that comes and goes at once (the reader then meets the pipe's end), so that a
// test of such a reader fails instead of hanging.
class NamedPipe
{
public:
    explicit NamedPipe(const QString &path, int grace_ms = 5000);
    ~NamedPipe();
    NamedPipe(const NamedPipe &) = delete;
    NamedPipe &operator=(const NamedPipe &) = delete;

    bool made() const { return m_made; }
    // A reader had the pipe open, or was waiting to, once the grace was over.
    bool readerWaited() const { return m_waited; }

private:
    QString m_path;
    bool m_made = false;
    std::atomic<bool> m_waited{false};
    std::mutex m_mutex;
    std::condition_variable m_stop;
    bool m_stopping = false;
    std::thread m_watch;
};

// `head`, then holes up to `size` bytes in all: the file takes almost no room on the disk.
bool WriteSparseFile(const QString &path, const QByteArray &head, qint64 size);

} // namespace testsupport
