#include "ui/look.h"

#include <QBrush>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QToolButton>
#include <QWidget>

#include "ui/resources.h"

namespace lt {

void centreOnScreen(QWidget* window, const QScreen* screen) {
    if (!screen) screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

QToolButton* calendarButton(QWidget* parent, int left, int top) {
    auto* b = new QToolButton(parent);
    b->setGeometry(left, top, 25, 25);
    b->setIcon(QIcon(pngPixmap(QStringLiteral(":/calendar.png"))));
    b->setFocusPolicy(Qt::NoFocus);
    //: The button beside a date field that opens a calendar to pick the date from.
    const QString hint = QCoreApplication::translate("Calendar", "Popup calendar");
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    return b;
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
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(navy().name()));
    l->adjustSize();
    return l;
}

}  // namespace lt
