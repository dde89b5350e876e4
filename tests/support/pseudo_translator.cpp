#include "support/pseudo_translator.h"

#include <QRegularExpression>

namespace lt::test {

QString PseudoTranslator::translate(const char* context, const char* source, const char*,
                                    int) const {
    // Qt asks for its layout direction by this context; it is no text.
    if (qstrcmp(context, "QT_LAYOUT_DIRECTION") == 0 || !source || !*source) return {};
    return lengthen(QString::fromUtf8(source));
}

QString PseudoTranslator::lengthen(const QString& text) {
    static const QRegularExpression kept(QStringLiteral("&&|&#?\\w+;|&.|%L?\\d+|%n|<[^>]*>"));
    static const QString plain = QStringLiteral("aeiouAEIOUcCnNyYsSzZ");
    static const QString accented = QStringLiteral("áéíóúÁÉÍÓÚçÇñÑýÝšŠžŽ");
    QString out;
    int letters = 0;
    qsizetype at = 0;
    const auto lengthenPart = [&](QStringView part) {
        for (const QChar c : part) {
            const qsizetype i = plain.indexOf(c);
            const QChar shown = i >= 0 ? accented[i] : c;
            out += shown;
            // Two letters in five written twice: 40 % more letters.
            if (c.isLetter() && ++letters % 5 % 2 == 1) out += shown;
        }
    };
    for (auto m = kept.globalMatch(text); m.hasNext();) {
        const auto match = m.next();
        lengthenPart(QStringView(text).mid(at, match.capturedStart() - at));
        out += match.captured();
        at = match.capturedEnd();
    }
    lengthenPart(QStringView(text).mid(at));
    return out;
}

}  // namespace lt::test
