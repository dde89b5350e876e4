#include "ui/page_look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace lt {

QFont pixelFont(const QString& family, int pixels, bool bold) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void tile(QWidget* w, const QBrush& background) {
    QPalette pal = w->palette();
    pal.setBrush(QPalette::Window, background);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

QLabel* pageHeading(const QString& text, QWidget* page) {
    auto* l = new QLabel(text, page);
    l->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    l->setStyleSheet(QStringLiteral("color: navy; background: transparent;"));
    return l;
}

}  // namespace lt
