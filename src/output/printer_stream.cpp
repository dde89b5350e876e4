#include "output/printer_stream.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "core/locale_format.h"
#include "output/host.h"

namespace lt {

bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    if (const std::optional<bool> answer = host().printDialogAnswer(printer, parent))
        return *answer;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

namespace {
// The font as it is measured on the printer's own resolution.
class PrinterMetrics : public TextMetrics {
public:
    PrinterMetrics(const QFont& font, QPaintDevice* device) : fm_(font, device) {}
    double textWidth(const QString& text) const override { return fm_.horizontalAdvance(text); }
    // A tenth of the text height between lines unless the font asks for more.
    double lineHeight() const override {
        return fm_.height() + std::max(fm_.leading(), fm_.height() / 10);
    }
    double charHeight() const override { return fm_.height(); }
    double ascent() const { return fm_.ascent(); }

private:
    QFontMetricsF fm_;
};
}  // namespace

PrinterTextStream::PrinterTextStream(QPrinter& printer) : printer_(printer) {}

PrinterTextStream::~PrinterTextStream() {
    if (isOpen()) {
        printer_.abort();
        painter_.end();
    }
}

void PrinterTextStream::setFont(const QFont& font) { font_ = font; }

bool PrinterTextStream::fail(const QString& why) {
    error_ = why;
    return false;
}

bool PrinterTextStream::open() {
    if (isOpen())
        return fail(
            QCoreApplication::translate("Printing", "The print job has already been started."));
    if (!painter_.begin(&printer_))
        return fail(QCoreApplication::translate("Printing", "The print job could not be started."));
    painter_.setFont(font_);
    auto metrics = std::make_unique<PrinterMetrics>(font_, &printer_);
    ascent_ = metrics->ascent();
    // The foot of each page keeps two lines for its page number.
    footHeight_ = 2 * metrics->lineHeight();
    metrics_ = std::move(metrics);
    // The painter's origin is the top left corner of the printable area.
    layout_ = std::make_unique<TextLayout>(*metrics_, printer_.width(),
                                           std::max(1.0, printer_.height() - footHeight_));
    error_.clear();
    return true;
}

bool PrinterTextStream::write(const QString& text) {
    if (!isOpen())
        return fail(QCoreApplication::translate("Printing", "The print job has not been started."));
    layout_->write(text);
    return true;
}

bool PrinterTextStream::writeLine(const QString& text) {
    if (!write(text)) return false;
    layout_->endLine();
    return true;
}

void PrinterTextStream::beginTable(const QString& headingLine, int lines) {
    if (!isOpen()) return;
    layout_->keepTogether(lines);
    layout_->setRunningHeading(headingLine);
}

void PrinterTextStream::endTable() {
    if (isOpen()) layout_->setRunningHeading(QString());
}

// Every page is known only once the last line is written, so the pages are drawn then.
bool PrinterTextStream::drawPages() {
    const auto& pages = layout_->pages();
    const int count = std::max<int>(1, int(pages.size()));
    const double footY = printer_.height() - footHeight_ / 2;
    const QFontMetricsF fm(font_, &printer_);
    for (int p = 0; p < count; ++p) {
        if (p > 0 && !printer_.newPage())
            return fail(
                QCoreApplication::translate("Printing", "The printer could not start a new page."));
        if (p < int(pages.size()))
            for (const TextRun& run : pages[p])
                painter_.drawText(QPointF(run.x, run.y + ascent_), run.text);
        //: At the foot of each page of the report: "Page 2 of 5".
        const QString number = QCoreApplication::translate("Printing", "Page %1 of %2")
                                   .arg(loc::formatNumber(p + 1, 0), loc::formatNumber(count, 0));
        painter_.drawText(QPointF((printer_.width() - fm.horizontalAdvance(number)) / 2,
                                  footY - fm.height() / 2 + ascent_),
                          number);
    }
    if (printer_.printerState() == QPrinter::Error || printer_.printerState() == QPrinter::Aborted)
        return fail(QCoreApplication::translate("Printing", "The printer reported an error."));
    return true;
}

bool PrinterTextStream::close() {
    if (!isOpen())
        return fail(QCoreApplication::translate("Printing", "The print job has not been started."));
    const bool drawn = drawPages();
    layout_.reset();
    metrics_.reset();
    const bool ended = painter_.end();
    if (!drawn) return false;
    if (!ended || printer_.printerState() == QPrinter::Error)
        return fail(
            QCoreApplication::translate("Printing", "The print job could not be finished."));
    return true;
}

}  // namespace lt
