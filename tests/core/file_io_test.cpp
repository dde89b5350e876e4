#include "core/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <thread>

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
    const char* reason;
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
    EXPECT_EQ(writeWholeFile(file, QByteArray(5000, 'x')), QLatin1String(c.reason));
    if (c.putBackFails) return;
    EXPECT_EQ(test::readFile(file), kOld);
    EXPECT_EQ(entries(), before);  // nothing temporary left behind
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, WriteFaults, ::testing::Values(
    FaultCase{"ReplaceFullDisk", FileStep::Write, ENOSPC, false, false, "No space left on device"},
    FaultCase{"ReplaceSync", FileStep::Sync, EIO, false, false, "Input/output error"},
    FaultCase{"ReplaceRename", FileStep::Replace, EXDEV, false, false, "Invalid cross-device link"},
    FaultCase{"ReplaceOpen", FileStep::Open, EACCES, false, false, "Permission denied"},
    FaultCase{"InPlaceReserve", FileStep::Reserve, ENOSPC, true, false, "No space left on device"},
    FaultCase{"InPlaceWritePutBack", FileStep::Write, ENOSPC, true, false, "No space left on device"},
    FaultCase{"InPlaceSyncPutBack", FileStep::Sync, EIO, true, false, "Input/output error"},
    FaultCase{"InPlacePutBackFails", FileStep::Write, ENOSPC, true, true,
              "No space left on device. Its old content could not be put back"}),
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
                {dir_.path(), "Is a directory"},
                {path("big"), "It is larger than 64 MiB"}};
    for (const auto& r : rows) {
        const FileRead read = readWholeFile(r.path);
        EXPECT_EQ(read.status, FileRead::Status::Failed) << r.path.toStdString();
        EXPECT_EQ(read.reason, QLatin1String(r.reason));
    }
    // A device is written as it is and stays a device; a pipe nobody reads fails at once.
    EXPECT_EQ(writeWholeFile("/dev/null", "x"), QString());
    EXPECT_TRUE(S_ISCHR(statOf("/dev/null").st_mode));
    EXPECT_EQ(writeWholeFile(fifo, "x"), "No such device or address");
    QByteArray piped;
    std::thread reader([&] { piped = test::readFile(fifo); });
    while (writeWholeFile(fifo, "through the pipe") == "No such device or address") usleep(1000);
    reader.join();
    EXPECT_EQ(piped, QByteArray("through the pipe"));
}

}  // namespace
}  // namespace lt
