#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

class QWidget;

namespace lt {

// One kind of file an export can be saved as.
struct ExportFileType {
    QString description;  // "PNG image"
    QString suffix;       // "png", without the dot
};

// Asks where to save an export, in the save-file dialog titled `caption`, offering
// `types` and suggesting `suggestedName` ("lifetally-report.pdf"; its suffix picks the
// filter shown first). The dialog opens in the folder of the last export of this run,
// or in the documents folder the first time. A name typed without a suffix gets the
// chosen filter's; a name ending in a suffix none of `types` has (pic.jpg for an
// image) is refused in the error box. Returns the full path to write, or an empty
// string when the user cancelled or the name was refused.
QString askExportPath(QWidget* parent, const QString& caption, const QString& suggestedName,
                      const QList<ExportFileType>& types);

// Writes `bytes` to the file at `path` ("-": standard output) through writeExportFile; the
// old file stays as it was when that cannot be done. Shows the failure ("Unable to write
// to <full path>: <reason>") in the error box and returns false then.
bool saveFileBytes(const QString& path, const QByteArray& bytes, QWidget* parent = nullptr);
// Shows "Unable to write to <full path>: <reason>" in the error box; returns false.
bool writeFailed(const QString& path, const QString& reason, QWidget* parent = nullptr);

// Forgets the last export's folder, as a new run starts without one.
void forgetExportFolder();

}  // namespace lt
