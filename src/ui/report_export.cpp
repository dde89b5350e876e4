#include "ui/report_export.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include "core/settings_file.h"
#include "ui/message_boxes.h"
#include "ui/printer_stream.h"
#include "ui/report_print.h"

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
    bool allWritten() const { return ok_; }

private:
    bool keep(bool ok) {
        ok_ = ok_ && ok;
        return ok;
    }
    LineStream& inner_;
    bool ok_ = true;
};
}  // namespace

bool saveFileBytes(const QString& path, const QByteArray& bytes, QWidget* parent) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        showError(unableToWrite(path), parent);
        return false;
    }
    return true;
}

bool saveReportPdf(const QString& path, const ReportInput& input, QWidget* parent) {
    // The printer writes a file of its own naming; it goes to a temporary file first and
    // replaces the chosen one only when the whole report is in it.
    QTemporaryFile pdf(QDir::temp().filePath(QStringLiteral("lifetally-XXXXXX.pdf")));
    if (!pdf.open()) {
        showError(unableToWrite(path), parent);
        return false;
    }
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
    QFile file(pdf.fileName());
    if (!file.open(QIODevice::ReadOnly)) {
        showError(unableToWrite(path), parent);
        return false;
    }
    return saveFileBytes(path, file.readAll(), parent);
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
