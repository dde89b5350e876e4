#include "support/svg_texts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>

namespace lt::test {
namespace {
QTransform parseTransform(QStringView text) {
    static const QRegularExpression matrix(QStringLiteral("matrix\\(([^)]*)\\)"));
    const auto m = matrix.match(text);
    if (!m.hasMatch()) return {};
    const QStringList n = m.captured(1).split(QLatin1Char(','));
    if (n.size() != 6) return {};
    return QTransform(n[0].toDouble(), n[1].toDouble(), n[2].toDouble(), n[3].toDouble(),
                      n[4].toDouble(), n[5].toDouble());
}
}  // namespace

QSizeF svgViewSize(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("svg")) {
            const QStringList v = xml.attributes()
                                      .value(QLatin1String("viewBox"))
                                      .toString()
                                      .split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (v.size() == 4) return QSizeF(v[2].toDouble(), v[3].toDouble());
        }
        break;
    }
    return {};
}

QList<SvgText> svgTexts(const QByteArray& svg) {
    QList<SvgText> out;
    QXmlStreamReader xml(svg);
    QList<QTransform> transforms{QTransform()};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("g")) {
            transforms << parseTransform(xml.attributes().value(QLatin1String("transform"))) *
                              transforms.last();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("g")) {
            transforms.removeLast();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("text")) {
            const QXmlStreamAttributes a = xml.attributes();
            QFont font(a.value(QLatin1String("font-family")).toString());
            font.setPixelSize(qRound(a.value(QLatin1String("font-size")).toDouble()));
            font.setWeight(QFont::Weight(a.value(QLatin1String("font-weight")).toInt()));
            font.setItalic(a.value(QLatin1String("font-style")) == QLatin1String("italic"));
            const double x = a.value(QLatin1String("x")).toDouble();
            const double y = a.value(QLatin1String("y")).toDouble();
            const QString text = xml.readElementText();
            const QFontMetricsF fm(font);
            const QRectF box(x, y - fm.ascent(), fm.horizontalAdvance(text), fm.height());
            out.append({text, transforms.last().mapRect(box)});
        }
    }
    return out;
}

QString svgXmlError(const QByteArray& svg, QString* title, QString* desc) {
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("title") && title)
            *title = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("desc") && desc)
            *desc = xml.readElementText();
    }
    if (!xml.hasError()) return {};
    return QStringLiteral("line %1, column %2: %3")
        .arg(xml.lineNumber())
        .arg(xml.columnNumber())
        .arg(xml.errorString());
}

QString svgTextProblems(const QByteArray& svg) {
    const QRectF picture(QPointF(0, 0), svgViewSize(svg));
    const QList<SvgText> texts = svgTexts(svg);
    QStringList problems;
    // Half a pixel of the picture's own scale is the measuring's slack.
    for (const SvgText& t : texts)
        if (!picture.adjusted(-1, -1, 1, 1).contains(t.box))
            problems << QStringLiteral("outside: \"%1\"").arg(t.text);
    for (qsizetype i = 0; i < texts.size(); ++i)
        for (qsizetype j = 0; j < i; ++j)
            if (texts[i].box.adjusted(1, 1, -1, -1).intersects(texts[j].box.adjusted(1, 1, -1, -1)))
                problems << QStringLiteral("overlap: \"%1\" and \"%2\"")
                                .arg(texts[i].text, texts[j].text);
    return problems.join(QLatin1Char('\n'));
}

}  // namespace lt::test
