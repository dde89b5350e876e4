#include "output/report_export.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <cerrno>

#include "core/file_io.h"
#include "core/settings_file.h"
#include "output/printer_stream.h"
#include "output/report_print.h"
#include "ui/message_boxes.h"
#include "ui/save_dialog.h"

namespace lt {
namespace {
// Passes everything on to `inner` and remembers whether any of it failed, so a report
// cut short is not saved.
class WatchedStream : public LineStream {
public:
    explicit WatchedStream(LineStream& inner) : inner_(inner) {}
    void setFont(const QFont& font) override { inner_.setFont(font); }
    bool open() override { return keep(inner_.open()); }
    bool write(const QString& text) override { return keep(inner_.write(text)); }
    bool writeLine(const QString& text) override { return keep(inner_.writeLine(text)); }
    bool close() override { return keep(inner_.close()); }
    QString errorString() const override { return inner_.errorString(); }
    void beginTable(const QString& headingLine, int lines) override {
        inner_.beginTable(headingLine, lines);
    }
    void endTable() override { inner_.endTable(); }
    bool allWritten() const { return ok_; }

private:
    bool keep(bool ok) {
        ok_ = ok_ && ok;
        return ok;
    }
    LineStream& inner_;
    bool ok_ = true;
};

// Where the PDF is drawn before it goes in place: beside the chosen file, so that a full
// disk there shows before the old file is touched; the temporary folder when nothing can
// be made there (standard output, a device, a folder that refuses new files).
QString draftFolder(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (path == u"-" || (target.exists() && !target.isFile()) || !folder.isWritable())
        return QDir::tempPath();
    return folder.absoluteFilePath();
}

// A PDF ends in its trailer; a file cut short by a full disk does not.
bool wholePdf(const QByteArray& bytes) {
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}
}  // namespace

bool saveReportPdf(const QString& path, const ReportInput& input, QWidget* parent) {
    // The printer writes a file of its own naming and checks none of its writes; the
    // report goes to a temporary file first, is checked whole, and only then is written
    // to the chosen file.
    const QString folder = draftFolder(path);
    QTemporaryFile pdf(QDir(folder).filePath(QStringLiteral(".lifetally-XXXXXX.pdf")));
    errno = 0;
    if (!pdf.open())
        return writeFailed(path, errno ? systemReason(errno) : pdf.errorString(), parent);
    pdf.close();
    bool written = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf.fileName());
        printer.setPageSize(QPageSize(reportPaper(systemPaperSources())));
        printer.setDocName(QStringLiteral("Lifetally report"));
        PrinterTextStream printed(printer);
        WatchedStream stream(printed);
        writeReport(stream, input, parent);
        written = stream.allWritten() && !printed.isOpen();
    }
    if (!written) return false;
    const FileRead drawn = readWholeFile(pdf.fileName());
    if (drawn.status != FileRead::Status::Ok) return writeFailed(path, drawn.reason, parent);
    if (!wholePdf(drawn.bytes)) {
        // The printer does not say why; a full disk is by far the likeliest.
        const bool full = QStorageInfo(folder).bytesAvailable() < 4096;
        return writeFailed(path, systemReason(full ? ENOSPC : EIO), parent);
    }
    return saveFileBytes(path, drawn.bytes, parent);
}

void previewReport(QWidget* parent, QPrinter& printer, const ReportInput& input) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Preview report"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&dialog, &input](QPrinter* target) {
                         PrinterTextStream stream(*target);
                         writeReport(stream, input, &dialog);
                     });
    execDialog(dialog);
}

}  // namespace lt
