#include "ui/resources.h"

#include <QImageReader>
#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace.
static void initLifetallyResources() { Q_INIT_RESOURCE(lifetally); }

namespace lt {

void loadResources() {
    static const bool loaded = (initLifetallyResources(), true);
    (void)loaded;
}

QPixmap pngPixmap(const QString& path) {
    loadResources();
    // Named alone is not enough: with detection on, Qt still asks every plugin first.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon programIcon() {
    QIcon icon;
    for (const char* size : {"16", "32", "48", "64"})
        icon.addPixmap(
            pngPixmap(QStringLiteral(":/icons/lifetally-%1.png").arg(QLatin1String(size))));
    return icon;
}

}  // namespace lt
