#include "app/intro_page.h"

#include <QPainter>

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

    auto centred = [&](const QString& text, const QFont& font, const QColor& color, int y) {
        p.setFont(font);
        p.setPen(color);
        p.drawText(QRect(0, y, w, QFontMetrics(font).height()), Qt::AlignHCenter | Qt::AlignTop,
                   text);
    };

    QFont psalm = pixelFont(QStringLiteral("Times New Roman"), 17, false, true);
    psalm.setCapitalization(QFont::SmallCaps);
    psalm.setLetterSpacing(QFont::PercentageSpacing, 104);
    //: Psalm 103:15, first line; use the verse as the language's usual Bible gives it.
    centred(tr("As for man, his days are as grass: as a flower of the field,"), psalm, navy(), 132);
    //: Psalm 103:15, second line, with the verse's reference.
    centred(tr("so he flourisheth.  Psalm 103:15"), psalm, navy(), 156);

    const QFont plain = pixelFont(QStringLiteral("Arial"), 16);
    centred(question(), plain, Qt::black, 214);
    centred(promise(), plain, Qt::black, 238);

    centred(creditLine(), pixelFont(QStringLiteral("Arial"), 12, true), navy(), height() - 28);
}

}  // namespace lt
