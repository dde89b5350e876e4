#include "core/file_io.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

#include "core/locale_format.h"

namespace lt {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileIo)
};
}  // namespace
namespace {

FileFault& fault() {
    static FileFault f;
    return f;
}

int injected(FileStep step) { return fault() ? fault()(step) : 0; }

QByteArray native(const QString& path) { return QFile::encodeName(path); }

// Closes a descriptor on every path that does not close it itself.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // The error number of a failed close, or 0.
    int close() {
        const int e = injected(FileStep::Close);
        const int r = ::close(std::exchange(fd_, -1));
        return e ? e : (r != 0 ? errno : 0);
    }

private:
    int fd_;
};

// Writes all of `bytes`, at `offset` or, when it is negative, where the descriptor
// stands; every call's result is checked. Returns the error number, or 0.
int writeAll(int fd, const QByteArray& bytes, qint64 offset, FileStep step) {
    qint64 done = 0;
    while (done < bytes.size()) {
        if (const int e = injected(step)) return e;
        const size_t left = size_t(bytes.size() - done);
        const ssize_t n = offset < 0 ? ::write(fd, bytes.constData() + done, left)
                                     : ::pwrite(fd, bytes.constData() + done, left, offset + done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return EIO;
        done += n;
    }
    return 0;
}

// Reads from the start up to `limit` bytes and one more, so that a larger file shows.
int readAll(int fd, qint64 limit, QByteArray& out) {
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, out.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        out.append(buffer, n);
        if (out.size() > limit) return 0;
    }
}

FileStamp stampOf(const struct stat& st) {
    FileStamp s;
    s.exists = true;
    s.size = st.st_size;
    s.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.inode = st.st_ino;
    s.device = st.st_dev;
    return s;
}

// Why a file of this kind is not read as settings; empty for a plain file.
QString notPlainFile(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return QString();
    if (S_ISDIR(st.st_mode)) return systemReason(EISDIR);
    if (S_ISFIFO(st.st_mode)) return Text::tr("It is a named pipe, not a file");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) return Text::tr("It is a device, not a file");
    return Text::tr("It is not a plain file");
}

// Makes the missing folders of `folder` for the user alone, as the base-directory rules
// ask for the places that hold a user's data. The kernel resolves every step.
int makeFolders(const QByteArray& folder) {
    struct stat st {};
    if (::stat(folder.constData(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT) return errno;
    const qsizetype slash = folder.lastIndexOf('/');
    if (slash > 0)
        if (const int e = makeFolders(folder.left(slash))) return e;
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) return errno;
    return 0;
}

// Whether `folder`, as realpath gives it, is this process's table of descriptors.
bool isOwnDescriptorFolder(const QByteArray& folder) {
    const QByteArray own = "/proc/" + QByteArray::number(::getpid());
    if (folder == own + "/fd") return true;
    // /proc/thread-self/fd: a thread of this process shares its descriptors.
    return folder.startsWith(own + "/task/") && folder.endsWith("/fd");
}

// Where a path leads once the kernel has followed every link: the real folder and the
// name in it, or one of this process's open descriptors (/dev/stdout, /proc/self/fd/1).
// The file need not exist yet, so a link to a file not made yet leads to where it will
// be. Names are bytes throughout, exactly as the kernel has them.
struct Resolved {
    int error = 0;
    QByteArray folder;
    QByteArray name;
    int descriptor = -1;
    QByteArray file() const { return (folder == "/" ? QByteArray() : folder) + '/' + name; }
};

Resolved failure(int error) {
    Resolved r;
    r.error = error;
    return r;
}

Resolved resolve(QByteArray path, bool makeMissingFolders) {
    Resolved r;
    for (int depth = 0; depth < 40; ++depth) {
        const qsizetype slash = path.lastIndexOf('/');
        QByteArray dir = slash < 0    ? QByteArray(".")
                         : slash == 0 ? QByteArray("/")
                                      : path.left(slash);
        r.name = path.mid(slash + 1);
        if (r.name.isEmpty() || r.name == "." || r.name == "..") {
            // A folder's own name: it is what is written, and refused as a folder.
            dir = path;
            r.name.clear();
        }
        char real[PATH_MAX];
        if (!::realpath(dir.constData(), real)) {
            if (errno != ENOENT || !makeMissingFolders) return failure(errno);
            if (const int e = makeFolders(dir)) return failure(e);
            if (!::realpath(dir.constData(), real)) return failure(errno);
        }
        r.folder = real;
        if (r.name.isEmpty()) {
            const qsizetype cut = r.folder.lastIndexOf('/');
            r.name = r.folder.mid(cut + 1);
            r.folder = cut == 0 ? QByteArray("/") : r.folder.left(cut);
            if (r.name.isEmpty()) r.name = ".";
            return r;
        }
        bool number = false;
        const int fd = r.name.toInt(&number);
        if (number && fd >= 0 && isOwnDescriptorFolder(r.folder)) {
            r.descriptor = fd;
            return r;
        }
        struct stat st {};
        if (::lstat(r.file().constData(), &st) != 0 || !S_ISLNK(st.st_mode)) return r;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(r.file().constData(), target, sizeof target);
        if (n < 0) return failure(errno);
        if (n == ssize_t(sizeof target)) return failure(ENAMETOOLONG);
        path = target[0] == '/' ? QByteArray(target, n) : r.folder + '/' + QByteArray(target, n);
    }
    return failure(ELOOP);
}

// Writes to a descriptor this process holds, as it was opened: an append stays an
// append, and two writes through one descriptor both land.
QString writeDescriptor(int fd, const QByteArray& bytes) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0) return systemReason(errno);
    if ((flags & O_ACCMODE) == O_RDONLY) return systemReason(EBADF);
    if (const int e = writeAll(fd, bytes, -1, FileStep::Write)) return systemReason(e);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::fsync(fd) != 0)
        return systemReason(errno);
    return QString();
}

QString failedSave(const QSaveFile& file, int code) {
    return code ? systemReason(code) : file.errorString();
}

// Replaces the file with a new one holding `bytes`, or makes it. Returns nullopt when
// the new file cannot be given the old one's owner and group: the caller then writes
// in place.
std::optional<QString> replaceFile(const QString& target, const QByteArray& bytes,
                                   const struct stat* old, const WriteOptions& options) {
    QSaveFile file(target);
    if (const int e = injected(FileStep::Open)) return systemReason(e);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return failedSave(file, errno);
    const int fd = file.handle();
    if (old) {
        if ((old->st_uid != ::geteuid() || old->st_gid != ::getegid()) &&
            ::fchown(fd, old->st_uid, old->st_gid) != 0) {
            file.cancelWriting();
            return std::nullopt;
        }
        ::fchmod(fd, old->st_mode & 07777);
    } else if (options.newFileMode) {
        ::fchmod(fd, *options.newFileMode);
    }
    int e = writeAll(fd, bytes, -1, FileStep::Write);
    if (!e) e = injected(FileStep::Sync);
    if (!e && ::fsync(fd) != 0) e = errno;
    if (!e) e = injected(FileStep::Replace);
    if (e) {
        file.cancelWriting();
        return systemReason(e);
    }
    errno = 0;
    if (!file.commit()) return failedSave(file, errno);
    return QString();
}

// Writes over a plain file without replacing it, keeping its inode, names, mode, owner
// and group. The new length is reserved first; if a write fails after all the old bytes
// go back.
QString writeInPlace(const QByteArray& target, const QByteArray& bytes) {
    if (const int e = injected(FileStep::Open)) return systemReason(e);
    Descriptor fd(::open(target.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return systemReason(errno);
    QByteArray old;
    if (const int e = readAll(fd.get(), std::numeric_limits<qint64>::max(), old))
        return systemReason(e);
    if (bytes.size() > old.size()) {
        int e = injected(FileStep::Reserve);
        if (!e) e = ::posix_fallocate(fd.get(), 0, bytes.size());
        if (e) {
            // Nothing of the old content has been touched; only its length may have grown,
            // and the reservation's failure is what is said either way.
            [[maybe_unused]] const int shrunk = ::ftruncate(fd.get(), old.size());
            return systemReason(e);
        }
    }
    int e = writeAll(fd.get(), bytes, 0, FileStep::Write);
    if (!e && ::ftruncate(fd.get(), bytes.size()) != 0) e = errno;
    if (!e) e = injected(FileStep::Sync);
    if (!e && ::fsync(fd.get()) != 0) e = errno;
    if (e) {
        const bool restored = writeAll(fd.get(), old, 0, FileStep::Restore) == 0 &&
                              ::ftruncate(fd.get(), old.size()) == 0 && ::fsync(fd.get()) == 0;
        //: The system's reason a write failed, then that the file could not be mended.
        return restored
                   ? systemReason(e)
                   : Text::tr("%1. Its old content could not be put back").arg(systemReason(e));
    }
    if (const int c = fd.close()) return systemReason(c);
    return QString();
}

// A device or a named pipe: written as it is, never replaced. Opened without blocking so
// that a pipe nobody reads fails at once instead of hanging.
QString writeStream(const QByteArray& target, const QByteArray& bytes) {
    if (const int e = injected(FileStep::Open)) return systemReason(e);
    Descriptor fd(::open(target.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return systemReason(errno);
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags >= 0) ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK);
    if (const int e = writeAll(fd.get(), bytes, -1, FileStep::Write)) return systemReason(e);
    if (const int e = fd.close()) return systemReason(e);
    return QString();
}

}  // namespace

QString systemReason(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

void setFileFault(FileFault f) { fault() = std::move(f); }

FileStamp fileStamp(const QString& path) {
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0) return FileStamp();
    return stampOf(st);
}

FileRead readWholeFile(const QString& path) {
    FileRead r;
    auto failed = [&r](const QString& reason) {
        r.status = FileRead::Status::Failed;
        r.reason = reason;
        return r;
    };
    struct stat st {};
    if (::stat(native(path).constData(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return r;  // Missing
        return failed(systemReason(errno));
    }
    if (const QString why = notPlainFile(st); !why.isEmpty()) return failed(why);
    const QString tooLarge =
        Text::tr("It is larger than %1 MiB").arg(loc::formatNumber(kMaxReadSize >> 20, 0));
    if (st.st_size > kMaxReadSize) return failed(tooLarge);
    Descriptor fd(::open(native(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return failed(systemReason(errno));
    // Something else may have taken the name since it was looked at.
    if (::fstat(fd.get(), &st) != 0) return failed(systemReason(errno));
    if (const QString why = notPlainFile(st); !why.isEmpty()) return failed(why);
    if (const int e = readAll(fd.get(), kMaxReadSize, r.bytes)) return failed(systemReason(e));
    if (r.bytes.size() > kMaxReadSize) return failed(tooLarge);
    r.status = FileRead::Status::Ok;
    r.stamp = stampOf(st);
    return r;
}

QString writeWholeFile(const QString& path, const QByteArray& bytes, const WriteOptions& options) {
    const Resolved where = resolve(native(path), options.makeFolders);
    if (where.error) return systemReason(where.error);
    if (where.descriptor >= 0) return writeDescriptor(where.descriptor, bytes);
    const QByteArray target = where.file();
    // Qt names files by text; a name that text cannot hold exactly is not written at all,
    // so that no other file is.
    const QString targetName = QFile::decodeName(target);
    if (QFile::encodeName(targetName) != target)
        return Text::tr("Its name (%1) is not valid UTF-8").arg(targetName);
    struct stat st {};
    if (::stat(target.constData(), &st) != 0) {
        if (errno != ENOENT) return systemReason(errno);
        return replaceFile(targetName, bytes, nullptr, options).value_or(QString());
    }
    if (S_ISDIR(st.st_mode)) return systemReason(EISDIR);
    if (!S_ISREG(st.st_mode)) return writeStream(target, bytes);
    if (::access(target.constData(), W_OK) != 0) return systemReason(errno);
    // Emacs's rules: a file with several names, or one whose owner or group a new file
    // could not be given, is written in place; so is one in a folder that refuses new files.
    if (st.st_nlink == 1 && ::access(where.folder.constData(), W_OK | X_OK) == 0)
        if (auto replaced = replaceFile(targetName, bytes, &st, options)) return *replaced;
    return writeInPlace(target, bytes);
}

QString writeStandardOutput(const QByteArray& bytes) {
    return writeDescriptor(STDOUT_FILENO, bytes);
}

QString realFilePath(const QString& path) {
    const Resolved where = resolve(native(path), false);
    if (where.error) return QFileInfo(path).absoluteFilePath();
    if (where.descriptor >= 0) return QStringLiteral("/proc/self/fd/%1").arg(where.descriptor);
    return QFile::decodeName(where.file());
}

}  // namespace lt
