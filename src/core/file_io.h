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
// an empty text when it did. A link is written through to its target, made when it is
// missing. A plain file is replaced in one step; it is written in place, keeping its
// inode, mode, owner and group, when the replace would lose them (several names, an
// owner or group the new file cannot be given) or the folder refuses new files: the
// space is reserved first and the old bytes are put back if a write fails after all.
// A target that is not a plain file (a device, a named pipe) is written in place and
// never replaced.
QString writeWholeFile(const QString& path, const QByteArray& bytes,
                       const WriteOptions& options = {});
// The same for this process's standard output.
QString writeStandardOutput(const QByteArray& bytes);

// The reason the system gives for error number `code` ("No space left on device").
QString systemReason(int code);

// A test seam: every step of a write asks it first; a non-zero answer makes that step
// fail with that error number, as the system would.
enum class FileStep { Open, Reserve, Write, Sync, Replace, Restore, Close };
using FileFault = std::function<int(FileStep step)>;
void setFileFault(FileFault fault);

}  // namespace lt
