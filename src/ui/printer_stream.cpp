#include "ui/printer_stream.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <algorithm>

namespace lt {
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
    if (isOpen()) return fail(QStringLiteral("The print job has already been started."));
    if (!painter_.begin(&printer_))
        return fail(QStringLiteral("The print job could not be started."));
    painter_.setFont(font_);
    auto metrics = std::make_unique<PrinterMetrics>(font_, &printer_);
    ascent_ = metrics->ascent();
    metrics_ = std::move(metrics);
    // The painter's origin is the top left corner of the printable area.
    layout_ = std::make_unique<TextLayout>(*metrics_, printer_.width(), printer_.height());
    paintedPage_ = 0;
    error_.clear();
    return true;
}

bool PrinterTextStream::draw(const std::vector<TextRun>& runs) {
    for (const TextRun& run : runs) {
        while (paintedPage_ < run.page) {
            if (!printer_.newPage())
                return fail(QStringLiteral("The printer could not start a new page."));
            ++paintedPage_;
        }
        painter_.drawText(QPointF(run.x, run.y + ascent_), run.text);
    }
    if (printer_.printerState() == QPrinter::Error || printer_.printerState() == QPrinter::Aborted)
        return fail(QStringLiteral("The printer reported an error."));
    return true;
}

bool PrinterTextStream::write(const QString& text) {
    if (!isOpen()) return fail(QStringLiteral("The print job has not been started."));
    return draw(layout_->write(text));
}

bool PrinterTextStream::writeLine(const QString& text) {
    if (!write(text)) return false;
    layout_->endLine();
    return true;
}

bool PrinterTextStream::close() {
    if (!isOpen()) return fail(QStringLiteral("The print job has not been started."));
    layout_.reset();
    metrics_.reset();
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error)
        return fail(QStringLiteral("The print job could not be finished."));
    return true;
}

}  // namespace lt
