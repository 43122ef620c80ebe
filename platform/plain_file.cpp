#include "platform/plain_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

PlainFile::PlainFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    // Looked at before the open: opening a pipe waits for a writer, and opening a device acts on it.
    if (::stat(name.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    // Non-blocking and checked again once open, in case the name was given to something else meanwhile.
    m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd >= 0 && (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(m_fd);
        m_fd = -1;
    }
}

PlainFile::~PlainFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::optional<QByteArray> PlainFile::read(qint64 count)
{
    QByteArray octets;
    if (!readInto(octets, count))
        return std::nullopt;
    return octets;
}

bool PlainFile::readInto(QByteArray &octets, qint64 count)
{
    if (m_fd < 0)
        return false;
    // Sized from what the file holds past the current place, so that a small file costs no more than itself.
    qint64 attendu = count;
    struct stat st;
    const off_t ici = ::lseek(m_fd, 0, SEEK_CUR);
    if (ici >= 0 && ::fstat(m_fd, &st) == 0)
        attendu = std::clamp<qint64>(st.st_size - ici, 0, count);
    const qsizetype debut = octets.size();
    octets.resize(debut + attendu);
    qint64 lus = 0;
    char morceau[16 * 1024]; // what a file that grew since it was measured holds beyond that
    while (lus < count) {
        const bool dedans = lus < attendu;
        char *const ou = dedans ? octets.data() + debut + lus : morceau;
        const qint64 place = dedans ? attendu - lus : std::min<qint64>(sizeof morceau, count - lus);
        const ssize_t n = ::read(m_fd, ou, static_cast<size_t>(place));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            octets.truncate(debut);
            return false;
        }
        if (!dedans)
            octets.append(morceau, n);
        lus += n;
    }
    octets.truncate(debut + lus);
    return true;
}

} // namespace platform
