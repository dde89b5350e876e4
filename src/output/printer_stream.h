#pragma once
#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

#include "core/text_layout.h"

class QPrinter;
class QWidget;

namespace lt {

// The print dialog on `printer` (the message seams' stand-in when one is set); true when
// the user confirms.
bool runPrintDialog(QPrinter& printer, QWidget* parent = nullptr);

// A text stream that lays lines out on pages. Every operation says whether it worked;
// errorString() tells why the last one did not.
class LineStream {
public:
    virtual ~LineStream() = default;
    // Takes effect at the next open().
    virtual void setFont(const QFont& font) = 0;
    virtual bool open() = 0;
    virtual bool write(const QString& text) = 0;
    // `text`, then the end of the line.
    virtual bool writeLine(const QString& text = QString()) = 0;
    virtual bool close() = 0;
    virtual QString errorString() const = 0;
    // A table begins with the line of its column titles: keep it with the first row
    // and repeat it on each page the table continues on. Streams without pages ignore it.
    virtual void beginTable(const QString& headingLine, int lines) {
        (void)headingLine;
        (void)lines;
    }
    virtual void endTable() {}
};

// The stream bound to a printer: open() begins the print job, close() lays out the
// pages, each with "Page n of m" at its foot, and ends the job so they come out. A job
// still open when the stream is destroyed is abandoned.
class PrinterTextStream : public LineStream {
public:
    explicit PrinterTextStream(QPrinter& printer);
    ~PrinterTextStream() override;
    PrinterTextStream(const PrinterTextStream&) = delete;
    PrinterTextStream& operator=(const PrinterTextStream&) = delete;

    void setFont(const QFont& font) override;
    bool open() override;
    bool write(const QString& text) override;
    bool writeLine(const QString& text = QString()) override;
    bool close() override;
    QString errorString() const override { return error_; }
    void beginTable(const QString& headingLine, int lines) override;
    void endTable() override;
    bool isOpen() const { return layout_ != nullptr; }

private:
    bool fail(const QString& why);
    bool drawPages();

    QPrinter& printer_;
    QFont font_;
    QPainter painter_;
    std::unique_ptr<TextMetrics> metrics_;
    std::unique_ptr<TextLayout> layout_;
    double ascent_ = 0;
    double footHeight_ = 0;
    QString error_;
};

}  // namespace lt
