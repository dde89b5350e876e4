#pragma once
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// Every file the program reads or writes goes through here: the settings file and the
// exports alike. A write builds nothing on disk until the whole content is in memory,
// checks every call, and leaves the old file whole when it fails.
namespace lt {

// Files larger than this are not settings files; reading refuses them.
inline constexpr qint64 kMaxReadSize = qint64(64) * 1024 * 1024;

// What a file was when it was read: any later write changes it.
struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp fileStamp(const QString& path);

struct FileRead {
    enum class Status { Ok, Missing, Failed };
    Status status = Status::Missing;
    QByteArray bytes;
    QString reason;  // why it failed, as the system says it
    FileStamp stamp;
};

// The whole file at path, read only when it is a plain file (or a link to one) of at
// most kMaxReadSize bytes; it is opened without blocking, so a named pipe never hangs.
// A missing file, or a link to a file not made yet, is Missing.
FileRead readWholeFile(const QString& path);

struct WriteOptions {
    // Missing folders are made, readable by the user only.
    bool makeFolders = false;
    // The mode of a file made new; unset: what the umask leaves of 0666.
    std::optional<unsigned> newFileMode;
};

// Puts `bytes` in the file at path; returns the system's reason when it could not, and
// an empty text when it did. Links are followed by the kernel, through linked folders
// and "..", to the file they lead to, which is made when it is missing. A path that
// leads to one of this process's open descriptors (/dev/stdout, /proc/self/fd/N) is
// written through that descriptor as it was opened, so an append stays an append. A
// plain file is replaced in one step in the folder that really holds it; it is written
// in place, keeping its inode, mode, owner and group, when the replace would lose them
// (several names, an owner or group the new file cannot be given) or the folder refuses
// new files: the space is reserved first and the old bytes are put back if a write
// fails after all. A target that is not a plain file (a device, a named pipe) is
// written in place and never replaced. A target whose name is not valid UTF-8 is not
// written.
QString writeWholeFile(const QString& path, const QByteArray& bytes,
                       const WriteOptions& options = {});
// The same for this process's standard output.
QString writeStandardOutput(const QByteArray& bytes);

// The file the kernel reaches through path, every link followed ("/proc/self/fd/N" for
// one of this process's descriptors); the absolute path as written when it leads nowhere.
QString realFilePath(const QString& path);

// The reason the system gives for error number `code` ("No space left on device").
QString systemReason(int code);

// A test seam: every step of a write asks it first; a non-zero answer makes that step
// fail with that error number, as the system would.
enum class FileStep { Open, Reserve, Write, Sync, Replace, Restore, Close };
using FileFault = std::function<int(FileStep step)>;
void setFileFault(FileFault fault);

}  // namespace lt
