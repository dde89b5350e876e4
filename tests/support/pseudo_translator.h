#pragma once
#include <QRegularExpression>
#include <QTranslator>

namespace lt::test {

// Every text about 40 % longer, with accented letters, as a longer language would make
// it; access keys, %1, %n and %Ln placeholders, entities and HTML tags are kept as they are.
class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        // Qt asks for its layout direction by this context; it is no text.
        if (qstrcmp(context, "QT_LAYOUT_DIRECTION") == 0 || !source || !*source) return {};
        return lengthen(QString::fromUtf8(source));
    }
    static QString lengthen(const QString& text) {
        static const QRegularExpression kept(QStringLiteral("&&|&#?\\w+;|&.|%L?(\\d+|n)|<[^>]*>"));
        static const QString plain = QStringLiteral("aeiouAEIOUcCnNyYsSzZ");
        static const QString accented = QStringLiteral("áéíóúÁÉÍÓÚçÇñÑýÝšŠžŽ");
        QString out;
        int letters = 0;
        const auto lengthenPart = [&](QStringView part) {
            for (const QChar c : part) {
                const QChar shown = plain.contains(c) ? accented[plain.indexOf(c)] : c;
                out += shown;
                // Two letters in five written twice: 40 % more letters.
                if (c.isLetter() && ++letters % 5 % 2 == 1) out += shown;
            }
        };
        qsizetype at = 0;
        for (auto m = kept.globalMatch(text); m.hasNext();) {
            const auto match = m.next();
            lengthenPart(QStringView(text).mid(at, match.capturedStart() - at));
            out += match.captured();
            at = match.capturedEnd();
        }
        lengthenPart(QStringView(text).mid(at));
        return out;
    }
};

}  // namespace lt::test
