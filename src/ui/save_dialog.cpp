#include "ui/save_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "core/export_file.h"
#include "core/export_names.h"
#include "core/settings_file.h"
#include "ui/message_boxes.h"

namespace lt {
namespace {
QString& lastExportFolder() {
    static QString folder;
    return folder;
}

QString startFolder() {
    if (!lastExportFolder().isEmpty()) return lastExportFolder();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}
}  // namespace

QString askExportPath(QWidget* parent, const QString& caption, const QString& suggestedName,
                      const QList<ExportFileType>& types) {
    SaveDialogSettings settings;
    settings.caption = caption;
    settings.folder = startFolder();
    settings.fileName = suggestedName;
    qsizetype chosen = 0;
    for (const ExportFileType& t : types) {
        if (t.suffix.compare(QFileInfo(suggestedName).suffix(), Qt::CaseInsensitive) == 0)
            chosen = settings.suffixes.size();
        settings.nameFilters << QStringLiteral("%1 (*.%2)").arg(t.description, t.suffix);
        settings.suffixes << t.suffix;
    }
    settings.selectedFilter = settings.nameFilters.value(chosen);
    settings.defaultSuffix = settings.suffixes.value(chosen);

    const SaveDialogAnswer answer = runSaveDialog(parent, settings);
    if (answer.path.isEmpty()) return QString();
    QString path = QFileInfo(QDir(settings.folder), answer.path).absoluteFilePath();
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty()) {
        // The desktop's own dialog may leave the suffix to the program.
        const qsizetype filter = settings.nameFilters.indexOf(answer.filter);
        path += u'.' + settings.suffixes.value(filter >= 0 ? filter : chosen);
        // The dialog asked about replacing the name as typed, not this one.
        if (QFileInfo::exists(path) &&
            !confirmYesNo(QCoreApplication::translate(
                              "SaveDialog", "%1 already exists.\nDo you want to replace it?")
                              .arg(QDir::toNativeSeparators(path)),
                          parent))
            return QString();
    } else if (!settings.suffixes.contains(suffix, Qt::CaseInsensitive)) {
        showError(fileNameEndingRefusal(NamedFile::Any, settings.suffixes), parent);
        return QString();
    }
    lastExportFolder() = QFileInfo(path).absolutePath();
    return path;
}

void forgetExportFolder() { lastExportFolder().clear(); }

bool writeFailed(const QString& path, const QString& reason, QWidget* parent) {
    showError(unableToWrite(path, reason), parent);
    return false;
}

bool saveFileBytes(const QString& path, const QByteArray& bytes, QWidget* parent) {
    const QString reason = writeExportFile(path, bytes);
    return reason.isEmpty() || writeFailed(path, reason, parent);
}

}  // namespace lt
