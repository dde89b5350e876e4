#pragma once

namespace lt {

// Registers the pictures compiled into the program (background, calendar glyph,
// icon). They live in a static library, so nothing pulls them in by itself.
void loadResources();

}  // namespace lt
