#include "core/bidi_text.h"

#include <QList>

namespace lt {
bool opensIsolate(QChar c) {
    const QChar::Direction d = c.direction();
    return d == QChar::DirLRI || d == QChar::DirRLI || d == QChar::DirFSI;
}

bool hasRightToLeft(QStringView text) {
    for (const char32_t c : text.toUcs4()) {
        switch (QChar::direction(c)) {
            case QChar::DirR:
            case QChar::DirAL:
            case QChar::DirAN:
            case QChar::DirRLE:
            case QChar::DirRLO:
            case QChar::DirRLI:
                return true;
            default:
                break;
        }
    }
    return false;
}

int textCells(QStringView text) {
    int cells = 0;
    for (const char32_t c : text.toUcs4()) {
        switch (QChar::category(c)) {
            case QChar::Mark_NonSpacing:
            case QChar::Mark_Enclosing:
            case QChar::Other_Format:
                break;
            default:
                ++cells;
        }
    }
    return cells;
}

QString isolated(const QString& text) {
    if (!hasRightToLeft(text)) return text;
    return kFirstStrongIsolate + text + kPopDirectionalIsolate;
}

std::pair<QString, QString> splitIsolated(const QString& text, qsizetype at) {
    QString first = text.left(at);
    QString second = text.mid(at);
    // The initiators still open at the cut, innermost last.
    QList<QChar> open;
    for (const QChar c : std::as_const(first)) {
        if (opensIsolate(c))
            open.append(c);
        else if (c.direction() == QChar::DirPDI && !open.isEmpty())
            open.removeLast();
    }
    // Closing marks just after the cut go with the part they close.
    while (!open.isEmpty() && !second.isEmpty() && second.front().direction() == QChar::DirPDI) {
        first += second.front();
        second.remove(0, 1);
        open.removeLast();
    }
    if (open.isEmpty() || second.isEmpty()) return {first, second};
    first += QString(open.size(), kPopDirectionalIsolate);
    QString reopened;
    for (const QChar c : std::as_const(open)) reopened += c;
    return {first, reopened + second};
}

}  // namespace lt
