#pragma once
#include <QString>
#include <vector>

namespace lt {

// What the line layout needs to know about the font on the page. Units are the page's
// (device pixels on a printer, anything in tests).
class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    virtual double textWidth(const QString& text) const = 0;
    // Advance after a line that holds text: the text's height plus a small gap.
    virtual double lineHeight() const = 0;
    // Advance after an empty line.
    virtual double charHeight() const = 0;
};

// One piece of text placed on a page; (x, y) is the top left corner of its line box,
// measured from the top left corner of the printable area.
struct TextRun {
    int page = 0;
    double x = 0;
    double y = 0;
    QString text;
    bool operator==(const TextRun&) const = default;
};

// Lays a stream of text out on pages the way a printer text stream does: text goes at
// the current position, a piece too wide for the line breaks at the last character
// that fits and goes on at the start of the next line, an end of line moves down by the
// line height (the character height for an empty line), and a line that does not fit
// above the bottom starts a new page. Pages are started only when something is placed
// on them, so ending the last line never leaves a blank page behind.
class TextLayout {
public:
    TextLayout(const TextMetrics& metrics, double areaWidth, double areaHeight);

    // Places `text` (no line breaks in it) from the current position; returns the runs
    // it produced, in order. They are also kept in pages().
    std::vector<TextRun> write(const QString& text);
    void endLine();

    // Starts a new page now unless `lines` lines of text still fit below the current
    // position: a table's heading stays with its first row.
    void keepTogether(int lines);
    // Written again at the top of every page begun from now on (the column titles of a
    // table running over pages); an empty text stops it.
    void setRunningHeading(const QString& heading) { heading_ = heading; }

    int page() const { return page_; }
    double x() const { return x_; }
    double y() const { return y_; }
    // Every run placed so far, one list per page started.
    const std::vector<std::vector<TextRun>>& pages() const { return pages_; }

private:
    // Makes room for the current line, starting a new page when it does not fit.
    void beginLine(double height);
    void advance(double by);
    void newPage();

    const TextMetrics& metrics_;
    double width_;
    double height_;
    int page_ = 0;
    double x_ = 0;
    double y_ = 0;
    bool lineHasText_ = false;
    bool lineBegun_ = false;
    std::vector<std::vector<TextRun>> pages_;
    QString heading_;
};

}  // namespace lt
