#include "small_disk.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <linux/magic.h>
#include <sys/mount.h>
#include <sys/vfs.h>

namespace testsupport {
namespace {

constexpr char kInside[] = "PANELS_TEST_OWN_MOUNTS";
const QStringList kNamespaces{QStringLiteral("--user"), QStringLiteral("--map-root-user"),
                              QStringLiteral("--mount"), QStringLiteral("--")};
constexpr char kFiller[] = "remplissage";

void Skip(const QString &why)
{
    GTEST_SKIP() << why.toStdString();
}

// Runs `command` under unshare; its exit code and what it printed.
std::pair<int, QByteArray> Unshared(const QStringList &command, int timeoutMs)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(kInside), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("unshare"), kNamespaces + command);
    if (!child.waitForFinished(timeoutMs)) {
        child.kill();
        child.waitForFinished();
        return {-1, child.readAll() + "\n(timed out)"};
    }
    const int code = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return {code, child.readAll()};
}

} // namespace

bool RunWhereDisksMount()
{
    if (qEnvironmentVariableIsSet(kInside))
        return true;
    const auto [probe, why] = Unshared({QStringLiteral("true")}, 10000);
    if (probe != 0) {
        Skip(QStringLiteral("this machine gives no user and mount namespace: ") +
             QString::fromLocal8Bit(why));
        return false;
    }
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString filter =
        QStringLiteral("--gtest_filter=%1.%2")
            .arg(QString::fromLatin1(test->test_suite_name()), QString::fromLatin1(test->name()));
    const auto [code, output] = Unshared({QCoreApplication::applicationFilePath(), filter}, 300000);
    if (code == 0 && output.contains("[  SKIPPED ] 1 test")) {
        Skip(QStringLiteral("skipped in its own mount namespace:\n") + QString::fromLocal8Bit(output));
        return false;
    }
    // A filter that ran no test would pass as well.
    EXPECT_TRUE(code == 0 && output.contains("[  PASSED  ] 1 test."))
        << "the test in its own mount namespace:\n"
        << output.toStdString();
    return false;
}

SmallDisk::SmallDisk(qint64 bytes) : m_bytes(bytes)
{
    const QByteArray folder = QFile::encodeName(m_folder.path());
    const QByteArray options = "size=" + QByteArray::number(bytes) + ",mode=0700";
    m_mounted = ::mount("tmpfs", folder.constData(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC,
                        options.constData()) == 0;
    if (!m_mounted)
        Skip(QStringLiteral("a small disk cannot be mounted on %1 here: %2")
                 .arg(QString::fromLocal8Bit(folder), QString::fromLocal8Bit(std::strerror(errno))));
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
}

void SmallDisk::fill(qint64 free)
{
    // Filling any other folder would fill the disk it lies on.
    struct statfs disk;
    ASSERT_TRUE(m_mounted && ::statfs(QFile::encodeName(m_folder.path()).constData(), &disk) == 0 &&
                disk.f_type == TMPFS_MAGIC &&
                static_cast<qint64>(disk.f_blocks) * static_cast<qint64>(disk.f_bsize) <= m_bytes + 4096)
        << "refusing to fill " << m_folder.path().toStdString() << ": it is not the small disk";
    QFile filler(path(QString::fromLatin1(kFiller)));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, '\0');
    while (filler.write(page) == page.size()) {
    }
    // Given back from the end: tmpfs frees the pages at once.
    ASSERT_TRUE(filler.resize(std::max<qint64>(0, filler.size() - free)));
}

QStringList SmallDisk::entries() const
{
    return QDir(m_folder.path())
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace testsupport
