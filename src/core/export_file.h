#pragma once
#include <QByteArray>
#include <QString>

// Where the exports' files are written, from the window and the command line alike.
namespace lt {

// The settings file this run reads. No export writes it, whatever name, link or hard
// link reaches it; empty: none.
void setExportSource(const QString& settingsPath);

// Writes an export's `bytes` to the file at `path` ("-": standard output) through
// writeWholeFile. Returns why it could not, or an empty text; the old file then stays
// as it was. Empty bytes (a drawing that failed) and the settings file are refused.
QString writeExportFile(const QString& path, const QByteArray& bytes);

}  // namespace lt
