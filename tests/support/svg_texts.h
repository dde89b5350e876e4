#pragma once
#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace lt::test {

// A text of a saved SVG and the box it takes, measured with the fonts of this system.
struct SvgText {
    QString text;
    QRectF box;
};

// The SVG's size from its viewBox, and every <text> in it with its box.
QSizeF svgViewSize(const QByteArray& svg);
QList<SvgText> svgTexts(const QByteArray& svg);

// The document read to its end by an XML parser: empty when it parses, else the
// parser's error and where. `title` and `desc` receive those elements' texts.
QString svgXmlError(const QByteArray& svg, QString* title = nullptr, QString* desc = nullptr);

// Empty when every box lies inside the picture and no two boxes overlap; else what is
// wrong, for the failure message.
QString svgTextProblems(const QByteArray& svg);

}  // namespace lt::test
