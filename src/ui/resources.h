#pragma once
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace lt {

// Registers the pictures compiled into the program (background, calendar glyph,
// icon). They live in a static library, so nothing pulls them in by itself.
void loadResources();

// One of those pictures, read as the PNG it is: Qt then tries none of its image plugins
// on it, which would otherwise load every one of them at start-up.
QPixmap pngPixmap(const QString& path);

// The program's icon in the sizes drawn for it, without the icon-engine plugins.
QIcon programIcon();

}  // namespace lt
