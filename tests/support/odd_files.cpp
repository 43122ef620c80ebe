#include "odd_files.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

NamedPipe::NamedPipe(const QString &path, int grace_ms) : m_path(path)
{
    const QByteArray name = QFile::encodeName(path);
    m_made = ::mkfifo(name.constData(), 0600) == 0;
    if (!m_made)
        return;
    m_watch = std::thread([this, name, grace_ms] {
        std::unique_lock verrou(m_mutex);
        if (m_stop.wait_for(verrou, std::chrono::milliseconds(grace_ms), [this] { return m_stopping; }))
            return;
        // Opening the writing end succeeds only while a reader has the pipe, or waits in open() for it.
        while (!m_stop.wait_for(verrou, std::chrono::milliseconds(50), [this] { return m_stopping; })) {
            const int fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                m_waited = true;
                ::close(fd);
            }
        }
    });
}

NamedPipe::~NamedPipe()
{
    {
        const std::lock_guard verrou(m_mutex);
        m_stopping = true;
    }
    m_stop.notify_all();
    if (m_watch.joinable())
        m_watch.join();
    if (m_made)
        QFile::remove(m_path);
}

bool WriteSparseFile(const QString &path, const QByteArray &head, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(head) == head.size() &&
           file.resize(size);
}

} // namespace testsupport
