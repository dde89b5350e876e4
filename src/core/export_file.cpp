#include "core/export_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include "core/file_io.h"

namespace lt {
namespace {
QString& exportSource() {
    static QString path;
    return path;
}

// Whether `path` ("-": standard output) reaches the same file as the settings file.
bool isExportSource(const QString& path) {
    if (exportSource().isEmpty()) return false;
    struct stat source {};
    struct stat target {};
    if (::stat(QFile::encodeName(exportSource()).constData(), &source) != 0) return false;
    const int found = path == u"-" ? ::fstat(STDOUT_FILENO, &target)
                                   : ::stat(QFile::encodeName(path).constData(), &target);
    return found == 0 && source.st_dev == target.st_dev && source.st_ino == target.st_ino;
}
}  // namespace

void setExportSource(const QString& settingsPath) { exportSource() = settingsPath; }

QString writeExportFile(const QString& path, const QByteArray& bytes) {
    if (bytes.isEmpty()) return QCoreApplication::translate("FileIo", "Nothing was made to write");
    if (isExportSource(path))
        return QCoreApplication::translate("FileIo",
                                           "It is the settings file, which an export never writes");
    return path == u"-" ? writeStandardOutput(bytes) : writeWholeFile(path, bytes);
}

}  // namespace lt
