#include "ui/designed_palette.h"

#include <QWidget>

namespace lt {

QPalette designedPalette() {
    // The light look the pages and tables were drawn for (the colours of Qt's own light
    // Fusion palette, which a desktop without a theme gives).
    const QColor face(239, 239, 239);
    const QColor text(Qt::black);
    const QColor white(Qt::white);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    const QColor greyText(190, 190, 190);
    const QColor selection(48, 140, 198);

    // Every role is set, so a palette change of the desktop leaves these alone.
    QPalette p(text, face, face.lighter(150), dark, mid, text, white, white, face);
    p.setColor(QPalette::Midlight, mid.lighter(110));
    p.setColor(QPalette::Shadow, dark.darker(135));
    p.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Highlight, selection);
    p.setColor(QPalette::HighlightedText, white);
    p.setColor(QPalette::Link, QColor(0, 0, 255));
    p.setColor(QPalette::LinkVisited, QColor(255, 0, 255));
    QColor placeholder = text;
    placeholder.setAlpha(128);
    p.setColor(QPalette::PlaceholderText, placeholder);

    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, greyText);
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    p.setColor(QPalette::Disabled, QPalette::Shadow, dark.darker(135).lighter(150));
    return p;
}

void applyDesignedPalette(QWidget* window) { window->setPalette(designedPalette()); }

}  // namespace lt
