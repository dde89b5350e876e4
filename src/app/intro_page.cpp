#include "app/intro_page.h"

#include <QPainter>
#include <algorithm>

#include "core/credits.h"
#include "ui/look.h"

namespace lt {

IntroPage::IntroPage(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("Lifetally"));
    setAccessibleDescription(question() + u' ' + promise());
}

QString IntroPage::question() {
    return tr("How much time and money have you spent in your lifetime?");
}

QString IntroPage::promise() { return tr("This program will help you find that out."); }

void IntroPage::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int w = width();

    // Title: a grey shadow extruded down and to the right, the blue face on top. Plain
    // text drawing reuses the cached glyphs for every layer.
    // Below 64 pixels the raster engine keeps the glyphs in its cache; larger text is
    // filled as outlines, once per shadow layer.
    p.setFont(pixelFont(QStringLiteral("Times New Roman"), 62, true, true));
    const QRect titleBox(0, 20, w, 90);
    for (int d = 7; d >= 1; --d) {
        p.setPen(QColor(120 + d * 8, 120 + d * 8, 120 + d * 8));
        p.drawText(titleBox.translated(d, d), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("Lifetally"));
    }
    p.setPen(QColor(0, 64, 224));
    p.drawText(titleBox, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Lifetally"));

    for (const Line& line : lines()) {
        p.setFont(line.font);
        p.setPen(line.colour);
        const int y = line.top >= 0 ? line.top : height() + line.top;
        p.drawText(QRect(0, y, w, QFontMetrics(line.font).height()),
                   Qt::AlignHCenter | Qt::AlignTop, line.text);
    }
}

std::vector<IntroPage::Line> IntroPage::lines() {
    QFont psalm = pixelFont(QStringLiteral("Times New Roman"), 17, false, true);
    psalm.setCapitalization(QFont::SmallCaps);
    psalm.setLetterSpacing(QFont::PercentageSpacing, 104);
    const QFont plain = pixelFont(QStringLiteral("Arial"), 16);
    return {
        //: Psalm 103:15, first line; use the verse as the language's usual Bible gives it.
        {tr("As for man, his days are as grass: as a flower of the field,"), psalm, navy(), 132},
        //: Psalm 103:15, second line, with the verse's reference.
        {tr("so he flourisheth.  Psalm 103:15"), psalm, navy(), 156},
        {question(), plain, Qt::black, 214},
        {promise(), plain, Qt::black, 238},
        // Below the others, at the page's foot.
        {creditLine(), pixelFont(QStringLiteral("Arial"), 12, true), navy(), -28},
    };
}

QSize IntroPage::minimumSizeHint() const {
    // The centred lines whole, with a margin either side.
    int widest = 0;
    for (const Line& line : lines())
        widest = std::max(widest, QFontMetrics(line.font).horizontalAdvance(line.text));
    return {widest + 16, 0};
}

}  // namespace lt
