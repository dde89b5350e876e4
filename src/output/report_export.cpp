#include "output/report_export.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cerrno>

#include "core/file_io.h"
#include "output/host.h"
#include "output/printer_stream.h"
#include "output/report_print.h"

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

// An unnamed file in memory that the printer can open by name: whatever ends the run,
// no draft is left behind.
class Draft {
public:
    Draft() : fd_(::memfd_create("lifetally-report.pdf", MFD_CLOEXEC)) {}
    ~Draft() {
        if (fd_ >= 0) ::close(fd_);
    }
    Draft(const Draft&) = delete;
    Draft& operator=(const Draft&) = delete;
    bool isOpen() const { return fd_ >= 0; }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

private:
    int fd_;
};

// A PDF ends in its trailer; a file cut short by a full disk does not.
bool wholePdf(const QByteArray& bytes) {
    return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
}
}  // namespace

bool saveReportPdf(const QString& path, const ReportInput& input, const ReportPage& page,
                   QWidget* parent) {
    // The printer writes a file of its own naming and checks none of its writes; the
    // report is drawn into a draft first, is checked whole, and only then is written to
    // the chosen file.
    const Draft pdf;
    if (!pdf.isOpen()) return host().writeFailed(path, systemReason(errno), parent);
    bool written = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf.path());
        printer.setPageSize(QPageSize(page.paper));
        //: The title a saved report's PDF carries.
        printer.setDocName(QCoreApplication::translate("Report", "Lifetally report"));
        PrinterTextStream printed(printer);
        WatchedStream stream(printed);
        writeReport(stream, input, page.printedAt, parent);
        written = stream.allWritten() && !printed.isOpen();
    }
    if (!written) return false;
    const FileRead drawn = readWholeFile(pdf.path());
    if (drawn.status != FileRead::Status::Ok) return host().writeFailed(path, drawn.reason, parent);
    // The printer does not say why a draft came out short; memory ran out.
    if (!wholePdf(drawn.bytes)) return host().writeFailed(path, systemReason(ENOMEM), parent);
    return host().saveFileBytes(path, drawn.bytes, parent);
}

void previewReport(QWidget* parent, QPrinter& printer, const ReportInput& input,
                   const QDateTime& printedAt) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("Report", "Preview report"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&dialog, &input, &printedAt](QPrinter* target) {
                         PrinterTextStream stream(*target);
                         writeReport(stream, input, printedAt, &dialog);
                     });
    host().execDialog(dialog);
}

}  // namespace lt
