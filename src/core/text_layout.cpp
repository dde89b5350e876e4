#include "core/text_layout.h"

#include "core/bidi_text.h"

namespace lt {
namespace {
// Floating-point widths that add up to exactly the available room still fit.
constexpr double kSlack = 1e-9;

// Number of UTF-16 units of a single character at the start of `text`.
qsizetype firstCharLength(const QString& text) {
    return text.size() > 1 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate() ? 2 : 1;
}
}  // namespace

TextLayout::TextLayout(const TextMetrics& metrics, double areaWidth, double areaHeight)
    : metrics_(metrics), width_(areaWidth), height_(areaHeight) {}

void TextLayout::beginLine(double height) {
    if (lineBegun_) return;
    // The first line of a page is placed even when it is taller than the page; anything
    // else would never make progress.
    if (y_ > 0 && y_ + height > height_ + kSlack) newPage();
    lineBegun_ = true;
}

void TextLayout::newPage() {
    ++page_;
    y_ = 0;
    if (heading_.isEmpty()) return;
    if (pages_.size() <= static_cast<size_t>(page_)) pages_.resize(page_ + 1);
    pages_[page_].push_back({page_, 0, 0, heading_});
    y_ = metrics_.lineHeight();
}

void TextLayout::keepTogether(int lines) {
    if (lineBegun_ || y_ <= 0) return;
    if (y_ + lines * metrics_.lineHeight() > height_ + kSlack) newPage();
}

void TextLayout::advance(double by) {
    y_ += by;
    x_ = 0;
    lineBegun_ = false;
    lineHasText_ = false;
}

std::vector<TextRun> TextLayout::write(const QString& text) {
    std::vector<TextRun> runs;
    QString rest = text;
    while (!rest.isEmpty()) {
        beginLine(metrics_.lineHeight());
        const double room = width_ - x_;
        // Widths grow with the length of a prefix, so the longest prefix that fits is
        // found by bisection.
        qsizetype lo = 0;
        qsizetype hi = rest.size();
        while (lo < hi) {
            const qsizetype mid = (lo + hi + 1) / 2;
            if (metrics_.textWidth(rest.left(mid)) <= room + kSlack)
                lo = mid;
            else
                hi = mid - 1;
        }
        qsizetype count = lo;
        if (count > 0 && count < rest.size() && rest.at(count - 1).isHighSurrogate()) --count;
        if (count == 0) {
            if (lineHasText_) {
                endLine();
                continue;
            }
            // Not even one character fits on an empty line: place it anyway, with the
            // isolates that open before it.
            qsizetype lead = 0;
            while (lead + 1 < rest.size() && opensIsolate(rest.at(lead))) ++lead;
            count = lead + firstCharLength(rest.mid(lead));
        }
        // Each part of a broken line is drawn on its own, so isolates open at the break
        // are closed in the first part and opened again in the next.
        auto [piece, next] = splitIsolated(rest, count);
        TextRun run{page_, x_, y_, piece};
        if (pages_.size() <= static_cast<size_t>(page_)) pages_.resize(page_ + 1);
        pages_[page_].push_back(run);
        runs.push_back(run);
        x_ += metrics_.textWidth(piece);
        lineHasText_ = true;
        rest = std::move(next);
        if (!rest.isEmpty()) endLine();
    }
    return runs;
}

void TextLayout::endLine() {
    if (!lineBegun_) beginLine(metrics_.charHeight());
    advance(lineHasText_ ? metrics_.lineHeight() : metrics_.charHeight());
}

}  // namespace lt
