#include "ui/shared_look.h"

#include <QCursor>
#include <QGuiApplication>

namespace lt {

QFont pixelFont(const QString& family, int pixels, bool bold, bool italic) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

QColor navy() { return QColor(0, 0, 128); }

WaitCursor::WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
WaitCursor::~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }

}  // namespace lt
