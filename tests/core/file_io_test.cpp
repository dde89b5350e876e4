#include "core/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>

#include "core/export_file.h"
#include "support/test_env.h"

namespace lt {
namespace {

const QByteArray kOld = "[Name]\nname=Old, kept byte for byte\n";

class FileIoTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    void TearDown() override { setFileFault({}); }
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    QStringList entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
    static void link(const QString& from, const QString& to) {
        ASSERT_EQ(::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()),
                  0);
    }
    static struct stat statOf(const QString& p) {
        struct stat st {};
        ::stat(QFile::encodeName(p).constData(), &st);
        return st;
    }
    QTemporaryDir dir_;
};

struct FaultCase {
    const char* name;
    FileStep step;
    int code;
    bool secondName;  // a hard link, so the file is written in place
    bool putBackFails;
};
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class WriteFaults : public FileIoTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(WriteFaults, TheOldFileStaysWholeAndTheReasonIsSaid) {
    const QString file = path("t.csv");
    test::writeFile(file, kOld);
    if (GetParam().secondName) link(file, path("second"));
    const QStringList before = entries();
    const FaultCase c = GetParam();
    setFileFault([c](FileStep s) {
        return s == c.step || (c.putBackFails && s == FileStep::Restore) ? c.code : 0;
    });
    const QString putBack = c.putBackFails ? ". Its old content could not be put back" : "";
    EXPECT_EQ(writeWholeFile(file, QByteArray(5000, 'x')), systemReason(c.code) + putBack);
    if (c.putBackFails) return;
    EXPECT_EQ(test::readFile(file), kOld);
    EXPECT_EQ(entries(), before);  // nothing temporary left behind
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, WriteFaults, ::testing::Values(
    FaultCase{"ReplaceFullDisk", FileStep::Write, ENOSPC, false, false},
    FaultCase{"ReplaceSync", FileStep::Sync, EIO, false, false},
    FaultCase{"ReplaceRename", FileStep::Replace, EXDEV, false, false},
    FaultCase{"ReplaceOpen", FileStep::Open, EACCES, false, false},
    FaultCase{"InPlaceReserve", FileStep::Reserve, ENOSPC, true, false},
    FaultCase{"InPlaceWritePutBack", FileStep::Write, ENOSPC, true, false},
    FaultCase{"InPlaceSyncPutBack", FileStep::Sync, EIO, true, false},
    FaultCase{"InPlacePutBackFails", FileStep::Write, ENOSPC, true, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(FileIoTest, SecondNameOwnerGroupAndModeAreKept) {
    const QString file = path("s.ini");
    test::writeFile(file, kOld);
    ::chmod(QFile::encodeName(file).constData(), 0640);
    link(file, path("second"));
    // As root the owner is another user's, whom a new file could not have without chown.
    ASSERT_TRUE(::geteuid() != 0 || ::chown(QFile::encodeName(file).constData(), 1000, 1000) == 0);
    const struct stat before = statOf(file);
    EXPECT_EQ(writeWholeFile(file, "new"), QString());
    EXPECT_EQ(test::readFile(path("second")), QByteArray("new"));  // still one file
    QFile::remove(path("second"));
    EXPECT_EQ(writeWholeFile(file, "newer"), QString());  // replaced now: one name
    const struct stat after = statOf(file);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(FileIoTest, ALinkToAFileNotMadeYetIsWrittenThrough) {
    ASSERT_TRUE(QFile::link(path("dotfiles/s.ini"), path("link.ini")));
    EXPECT_EQ(readWholeFile(path("link.ini")).status, FileRead::Status::Missing);
    EXPECT_EQ(writeWholeFile(path("link.ini"), "x", WriteOptions{true, 0600}), QString());
    EXPECT_TRUE(QFileInfo(path("link.ini")).isSymLink());
    EXPECT_EQ(test::readFile(path("dotfiles/s.ini")), QByteArray("x"));
    EXPECT_EQ(statOf(path("dotfiles")).st_mode & 0777, 0700u);
    EXPECT_EQ(statOf(path("dotfiles/s.ini")).st_mode & 0777, 0600u);
}

TEST_F(FileIoTest, WhatIsNotAPlainFileIsNotReadAndNotReplaced) {
    const QString fifo = path("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    test::writeFile(path("big"), "");
    ASSERT_EQ(::truncate(QFile::encodeName(path("big")).constData(), kMaxReadSize + 1), 0);
    const struct {
        QString path;
        const char* reason;
    } rows[] = {{fifo, "It is a named pipe, not a file"},
                {"/dev/zero", "It is a device, not a file"},
                {dir_.path(), nullptr},
                {path("big"), "It is larger than 64 MiB"}};
    for (const auto& r : rows) {
        const FileRead read = readWholeFile(r.path);
        EXPECT_EQ(read.status, FileRead::Status::Failed) << r.path.toStdString();
        EXPECT_EQ(read.reason, r.reason ? QLatin1String(r.reason) : systemReason(EISDIR));
    }
    // A device is written as it is and stays a device; a pipe nobody reads fails at once.
    EXPECT_EQ(writeWholeFile("/dev/null", "x"), QString());
    EXPECT_TRUE(S_ISCHR(statOf("/dev/null").st_mode));
    EXPECT_EQ(writeWholeFile(fifo, "x"), systemReason(ENXIO));
    QByteArray piped;
    std::thread reader([&] { piped = test::readFile(fifo); });
    while (writeWholeFile(fifo, "through the pipe") == systemReason(ENXIO)) usleep(1000);
    reader.join();
    EXPECT_EQ(piped, QByteArray("through the pipe"));
}

// Links as the kernel follows them: through a linked folder and "..", and along a chain
// of links as GNU Stow makes them. The file the kernel reaches is written; no other.
struct LinkCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> links;  // link, target
    const char* written;                                     // the path given
    const char* reached;                                     // the file the kernel reaches
    const char* untouched;                                   // a file the text would name
};
void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class LinksTest : public FileIoTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinksTest, TheFileTheKernelReachesIsWritten) {
    const LinkCase& c = GetParam();
    ASSERT_TRUE(QDir(dir_.path()).mkpath("real/sub") && QDir(dir_.path()).mkpath("sync/config") &&
                QDir(dir_.path()).mkpath("sync/dotfiles") && QDir(dir_.path()).mkpath("dotfiles"));
    for (const auto& [from, to] : c.links)
        ASSERT_EQ(::symlink(to, QFile::encodeName(path(from)).constData()), 0) << from;
    test::writeFile(path(c.reached), kOld);
    test::writeFile(path(c.untouched), kOld);
    EXPECT_EQ(realFilePath(path(c.written)), QFileInfo(path(c.reached)).canonicalFilePath());
    EXPECT_EQ(writeWholeFile(path(c.written), "new", WriteOptions{true, 0600}), QString());
    EXPECT_EQ(test::readFile(path(c.reached)), QByteArray("new"));
    EXPECT_EQ(test::readFile(path(c.untouched)), kOld);
    EXPECT_TRUE(QFileInfo(path(c.written)).isSymLink());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, LinksTest, ::testing::Values(
    LinkCase{"LinkedFolderAndDotDot", {{"d", "real/sub"}, {"d/link.csv", "../notes.txt"}},
             "d/link.csv", "real/notes.txt", "notes.txt"},
    LinkCase{"StowChain", {{"lifetally.ini", "cfg/lifetally.ini"}, {"cfg", "sync/config"},
                           {"sync/config/lifetally.ini", "../dotfiles/lifetally.ini"}},
             "lifetally.ini", "sync/dotfiles/lifetally.ini", "dotfiles/lifetally.ini"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// A descriptor this process holds is written as it was opened: an append stays an
// append, whichever name reaches it, and each write lands after the one before.
TEST_F(FileIoTest, AnOpenDescriptorIsWrittenInItsOwnMode) {
    const QString log = path("log.txt");
    test::writeFile(log, "line1\nline2\n");
    const ino_t inode = statOf(log).st_ino;
    const int fd = ::open(QFile::encodeName(log).constData(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    const QString n = QString::number(fd);
    for (const QString& name : {"/proc/self/fd/" + n, "/dev/fd/" + n, "/proc/thread-self/fd/" + n})
        EXPECT_EQ(writeWholeFile(name, "a\n"), QString()) << name.toStdString();
    ::close(fd);
    EXPECT_EQ(test::readFile(log), QByteArray("line1\nline2\na\na\na\n"));
    EXPECT_EQ(statOf(log).st_ino, inode);
    EXPECT_EQ(writeWholeFile("/proc/self/fd/" + n, "x"), systemReason(EBADF));
}

// A link to a name that is not UTF-8 is refused, not written as another name.
TEST_F(FileIoTest, ANameThatIsNotUtf8IsNotWrittenAsAnother) {
    const QByteArray target = QFile::encodeName(dir_.path()) + "/r\xe9sum\xe9.csv";
    ASSERT_EQ(::symlink(target.constData(), QFile::encodeName(path("link.csv")).constData()), 0);
    const QStringList before = entries();
    EXPECT_TRUE(writeWholeFile(path("link.csv"), "x").endsWith(" is not valid UTF-8"));
    EXPECT_EQ(entries(), before);
}

// The settings file is never an export's target, by its own name, a link or a hard link.
TEST_F(FileIoTest, AnExportNeverWritesTheSettingsFile) {
    test::writeFile(path("s.ini"), kOld);
    link(path("s.ini"), path("h.csv"));
    ASSERT_TRUE(QFile::link(path("s.ini"), path("l.csv")));
    setExportSource(path("s.ini"));
    const auto source = qScopeGuard([] { setExportSource(QString()); });
    for (const char* name : {"s.ini", "h.csv", "l.csv"})
        EXPECT_EQ(writeExportFile(path(name), "Table"),
                  "It is the settings file, which an export never writes")
            << name;
    EXPECT_EQ(test::readFile(path("s.ini")), kOld);
    EXPECT_EQ(writeExportFile(path("t.csv"), "Table"), QString());
}

}  // namespace
}  // namespace lt
