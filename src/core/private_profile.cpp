#include "core/private_profile.h"

#include <QStringDecoder>
#include <algorithm>
#include <limits>

#include "core/file_io.h"

namespace lt {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LeBom("\xFF\xFE");
const QByteArray kUtf16BeBom("\xFE\xFF");

// Windows-1252 for 0x80 to 0x9F; its five unassigned bytes read as the C1 controls, as
// Windows reads them. Every other byte is the Latin-1 character of the same number.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A line that is not valid UTF-8 was written in the ANSI code page (a file from a
// Windows system or editor) and is read as Windows-1252, so its letters survive.
QString decodeLine(const QByteArray& raw) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(raw);
    if (!utf8.hasError()) return text;
    QString ansi(raw.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const auto b = static_cast<unsigned char>(raw[i]);
        ansi[i] = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return ansi;
}

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; }

// Only blanks and tabs count, as in the single-byte INI functions; other Unicode
// spaces are part of the text.
QString trimBlanks(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin])) ++begin;
    while (end > begin && isBlank(s[end - 1])) --end;
    return s.mid(begin, end - begin);
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString unquoted(const QString& v) {
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        return v.mid(1, v.size() - 2);
    return v;
}

// Cuts after kMaxValueLength characters without splitting a surrogate pair.
QString cutToReadLimit(const QString& v) {
    qsizetype i = 0;
    int count = 0;
    while (i < v.size() && count < PrivateProfile::kMaxValueLength) {
        i += (v[i].isHighSurrogate() && i + 1 < v.size() && v[i + 1].isLowSurrogate()) ? 2 : 1;
        ++count;
    }
    return v.left(i);
}

// A value the reading rules would change (blanks at an end trimmed, one pair of
// enclosing quotes removed) goes out in one more pair of quotes, which reading takes off.
QString keptByReading(const QString& v) {
    if (trimBlanks(v) != v || unquoted(v) != v) return u'"' + v + u'"';
    return v;
}

QString oneLine(QString s) {
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int d = -1;
    if (u >= u'0' && u <= u'9')
        d = u - u'0';
    else if (u >= u'a' && u <= u'f')
        d = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        d = u - u'A' + 10;
    return d < base ? d : -1;
}

}  // namespace

PrivateProfile::PrivateProfile(const QByteArray& content) {
    QByteArray bytes = content;
    if (bytes.startsWith(kUtf16LeBom) || bytes.startsWith(kUtf16BeBom)) {
        // Windows editors save "Unicode" as UTF-16; its text is kept, in UTF-8 from now on.
        QStringDecoder utf16(bytes.startsWith(kUtf16LeBom) ? QStringDecoder::Utf16LE
                                                           : QStringDecoder::Utf16BE);
        bytes = QString(utf16(bytes.mid(2))).toUtf8();
    } else if (bytes.startsWith(kUtf8Bom)) {
        bom_ = kUtf8Bom;
        bytes.remove(0, kUtf8Bom.size());
    }
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && bytes[i] != '\r' && bytes[i] != '\n') ++i;
        QByteArray eol;
        if (i < n)
            eol = (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? QByteArray("\r\n")
                                                                          : QByteArray(1, bytes[i]);
        lines_.push_back(parseLine(bytes.mid(start, i - start), eol));
        start = i + eol.size();
    }
}

PrivateProfile::Line PrivateProfile::parseLine(const QByteArray& raw, const QByteArray& eol) {
    Line line;
    line.raw = raw;
    line.eol = eol;
    const QString t = trimBlanks(decodeLine(raw));
    if (t.isEmpty() || t.startsWith(u';')) return line;
    if (t.startsWith(u'[')) {
        // The name ends at the first "]" (or the end of the line); the rest is ignored.
        const qsizetype close = t.indexOf(u']');
        line.kind = Line::Kind::Section;
        line.name = trimBlanks(t.mid(1, close < 0 ? -1 : close - 1));
        return line;
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0) return line;
    line.kind = Line::Kind::Key;
    line.name = trimBlanks(t.left(eq));
    line.value = trimBlanks(t.mid(eq + 1));
    return line;
}

std::optional<PrivateProfile> PrivateProfile::loadFile(const QString& path) {
    const FileRead read = readWholeFile(path);
    if (read.status == FileRead::Status::Failed) return std::nullopt;
    return PrivateProfile(read.bytes);
}

bool PrivateProfile::saveFile(const QString& path) const {
    return writeWholeFile(path, toBytes()).isEmpty();
}

bool PrivateProfile::makesSense() const {
    // A control character (a zero byte above all) marks binary data, or UTF-16 without
    // its mark; such a line means nothing even where it looks like a key.
    auto binary = [](const QByteArray& raw) {
        return std::any_of(raw.begin(), raw.end(), [](char c) {
            return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
        });
    };
    bool onlyBlank = true;
    for (const Line& line : lines_) {
        const QString t = trimBlanks(decodeLine(line.raw));
        onlyBlank = onlyBlank && t.isEmpty();
        if (!binary(line.raw) && (line.kind != Line::Kind::Other || t.startsWith(u';')))
            return true;
    }
    return onlyBlank;
}

QByteArray PrivateProfile::toBytes() const {
    QByteArray out = bom_;
    for (const Line& line : lines_) {
        out += line.raw;
        out += line.eol;
    }
    return out;
}

int PrivateProfile::findSection(const QString& section) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Line::Kind::Section && sameName(lines_[i].name, section))
            return static_cast<int>(i);
    return -1;
}

int PrivateProfile::sectionEnd(int sectionLine) const {
    size_t i = static_cast<size_t>(sectionLine) + 1;
    while (i < lines_.size() && lines_[i].kind != Line::Kind::Section) ++i;
    return static_cast<int>(i);
}

int PrivateProfile::findKey(int sectionLine, const QString& key) const {
    const int end = sectionEnd(sectionLine);
    for (int i = sectionLine + 1; i < end; ++i)
        if (lines_[i].kind == Line::Kind::Key && sameName(lines_[i].name, key)) return i;
    return -1;
}

bool PrivateProfile::hasSection(const QString& section) const { return findSection(section) >= 0; }

bool PrivateProfile::hasKey(const QString& section, const QString& key) const {
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

QString PrivateProfile::readString(const QString& section, const QString& key,
                                   const QString& def) const {
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0) return def;
    return cutToReadLimit(unquoted(lines_[k].value));
}

qint64 PrivateProfile::readInteger(const QString& section, const QString& key, qint64 def) const {
    if (!hasKey(section, key)) return def;
    return parseInteger(readString(section, key, QString())).value_or(def);
}

QByteArray PrivateProfile::lineEnd() const {
    for (const Line& line : lines_)
        if (!line.eol.isEmpty()) return line.eol;
    return QByteArray("\n");
}

void PrivateProfile::insertLine(int at, const QByteArray& raw) {
    const QByteArray eol = lineEnd();
    // Only the last line can lack an end; it needs one before anything follows it.
    if (at > 0 && lines_[at - 1].eol.isEmpty()) lines_[at - 1].eol = eol;
    lines_.insert(lines_.begin() + at, parseLine(raw, eol));
}

void PrivateProfile::writeString(const QString& section, const QString& key, const QString& value) {
    const QString keyText = oneLine(key);
    const QString valueText = keptByReading(oneLine(value));
    const int s = findSection(section);
    if (s < 0) {
        insertLine(static_cast<int>(lines_.size()), (u'[' + oneLine(section) + u']').toUtf8());
        insertLine(static_cast<int>(lines_.size()), (keyText + u'=' + valueText).toUtf8());
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        Line& line = lines_[k];
        line = parseLine((line.name + u'=' + valueText).toUtf8(), line.eol);
        return;
    }
    int after = s;
    const int end = sectionEnd(s);
    for (int i = s + 1; i < end; ++i)
        if (lines_[i].kind == Line::Kind::Key) after = i;
    insertLine(after + 1, (keyText + u'=' + valueText).toUtf8());
}

void PrivateProfile::writeInteger(const QString& section, const QString& key, qint64 value) {
    writeString(section, key, QString::number(value));
}

std::optional<qint64> PrivateProfile::parseInteger(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (n - i >= 2 && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == n) return std::nullopt;
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    for (; i < n; ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return std::nullopt;
        if (magnitude > (limit - quint64(d)) / quint64(base)) return std::nullopt;
        magnitude = magnitude * quint64(base) + quint64(d);
    }
    if (negative) return magnitude == 0 ? 0 : -qint64(magnitude - 1) - 1;
    return qint64(magnitude);
}

}  // namespace lt
