#pragma once
#include <QString>
#include <QStringView>
#include <utility>

// Text of one direction set among texts of the other. A right-to-left name in a line of
// left-to-right fields would otherwise take the blanks and numbers beside it into its own
// run and carry them across to its other side.
namespace lt {

inline constexpr QChar kFirstStrongIsolate{0x2068};
inline constexpr QChar kPopDirectionalIsolate{0x2069};

// LRI, RLI or FSI.
bool opensIsolate(QChar c);

// True when `text` holds a character written right to left: a Hebrew or Arabic letter,
// an Arabic-Indic digit, a right-to-left mark or embedding.
bool hasRightToLeft(QStringView text);

// `text` as an isolate: it reads in the direction of its own first letter and neither
// moves its neighbours nor is moved by them. A text with nothing right to left in it is
// returned as it is, so that left-to-right lines keep their exact characters.
QString isolated(const QString& text);

// The character cells `text` takes in a fixed-pitch font: one per character, none for
// the marks that draw nothing of their own (direction marks, isolates, joiners) or sit on
// the character before them (accents, vowel signs).
int textCells(QStringView text);

// `text` cut before position `at`, each part able to stand on its own line: isolates
// still open at the cut are closed at the end of the first part and opened again at the
// start of the second.
std::pair<QString, QString> splitIsolated(const QString& text, qsizetype at);

}  // namespace lt
