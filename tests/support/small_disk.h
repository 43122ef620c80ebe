// A small filesystem of a test's own, filled up as a full USB stick is, so that a save meets a write that
// really fails on the disk. Mounting one needs a mount namespace of its own: the test runs again in a
// child process that has one, inside a user namespace, so that neither root nor the machine's own mounts
// are touched.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// True in the process where the current test may mount its disk. Elsewhere runs the current test again in
// such a child process, makes its outcome this test's (a skip included), and returns false: the test then
// ends there. Skips the test on a machine that gives no user namespaces.
bool RunWhereDisksMount();

class SmallDisk
{
public:
    // A tmpfs of `bytes` mounted on a fresh folder. Where the mount is refused (a security policy can refuse
    // it inside a namespace), the test is marked skipped with the reason and mounted() is false: the test
    // must then end before it writes anything.
    explicit SmallDisk(qint64 bytes = 64 * 1024);
    bool mounted() const { return m_mounted; }
    ~SmallDisk();
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    QString path(const QString &name) const { return m_folder.filePath(name); }
    // Fills the disk with a file of its own so that `free` bytes stay free (whole pages of 4 KiB). Refuses,
    // failing the test, unless the folder is this small disk itself: never the machine's own disk.
    void fill(qint64 free = 0);
    // Every entry of the disk's folder, the filler's included.
    QStringList entries() const;

private:
    QTemporaryDir m_folder;
    qint64 m_bytes;
    bool m_mounted = false;
};

} // namespace testsupport
