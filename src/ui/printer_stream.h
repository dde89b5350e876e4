#pragma once
#include <QFont>
#include <QPainter>
#include <QString>
#include <memory>

#include "core/text_layout.h"

class QPrinter;

namespace lt {

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
};

// The stream bound to a printer: open() begins the print job on its first page,
// close() ends the job so the last page comes out. A job still open when the stream
// is destroyed is abandoned.
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
    bool isOpen() const { return layout_ != nullptr; }

private:
    bool fail(const QString& why);
    bool draw(const std::vector<TextRun>& runs);

    QPrinter& printer_;
    QFont font_;
    QPainter painter_;
    std::unique_ptr<TextMetrics> metrics_;
    std::unique_ptr<TextLayout> layout_;
    int paintedPage_ = 0;
    double ascent_ = 0;
    QString error_;
};

}  // namespace lt
