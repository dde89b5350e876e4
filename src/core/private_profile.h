#pragma once
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace lt {

// An INI document that reads and writes like the Windows private-profile functions:
// - section and key names match without regard to case and keep their stored case;
// - lines are trimmed; "[ name ]" opens section "name", which ends at the first "]";
// - a key line splits at its first "="; key and value are trimmed and one pair of
//   matching enclosing double or single quotes is removed from the value on reading;
// - lines starting with ";" are comments; there are no end-of-line comments; a line
//   without "=" is not a key; lines before the first section belong to no section;
// - the first of duplicate keys and of duplicate sections wins;
// - a write replaces the value in place, adds a new key after the last key of its
//   section, or adds the section at the end of the file; every other line is kept
//   byte for byte;
// - CRLF, LF and lone CR end a line; new lines take the file's first line end (LF
//   when it has none). Lines are written in UTF-8; a line that is not valid UTF-8 is
//   read as Windows-1252 and, unless written, kept as it is. A file that starts with a
//   UTF-16 byte-order mark is read by it and written back in UTF-8.
class PrivateProfile {
public:
    // A value is read back up to this many characters.
    static constexpr int kMaxValueLength = 1023;

    PrivateProfile() = default;
    explicit PrivateProfile(const QByteArray& content);

    // The document held in the file at path: empty when the file does not exist,
    // nullopt when it exists but cannot be read.
    static std::optional<PrivateProfile> loadFile(const QString& path);
    // Writes toBytes() to the file at path through writeWholeFile; on false the old file
    // is left as it was.
    bool saveFile(const QString& path) const;

    // Whether some line without control characters is a section, a key or a comment, or
    // there is nothing but blank lines: a text the profile functions can make sense of.
    bool makesSense() const;

    QByteArray toBytes() const;

    bool hasSection(const QString& section) const;
    bool hasKey(const QString& section, const QString& key) const;

    // The stored value (quotes removed, cut at kMaxValueLength characters), or def
    // when the key or its section is missing. "key=" reads as the empty text.
    QString readString(const QString& section, const QString& key, const QString& def) const;
    // readString parsed by parseInteger; def when missing or not a whole number.
    qint64 readInteger(const QString& section, const QString& key, qint64 def) const;

    // Line breaks inside value are stored as blanks so that a value stays one line. A
    // value with blanks at an end, or enclosed in matching quotes, is written inside one
    // more pair of double quotes, so that readString gives back exactly what was written.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, qint64 value);

    // A whole number as the profile reads it: an optional "+" or "-", then decimal
    // digits, or "0x"/"0X" and hexadecimal digits. Nothing else may follow, and the
    // value must fit in 64 bits; otherwise nullopt. The text is taken as read, that
    // is already trimmed and unquoted.
    static std::optional<qint64> parseInteger(const QString& text);

private:
    struct Line {
        enum class Kind { Other, Section, Key };
        QByteArray raw;  // the bytes of the line without its end
        QByteArray eol;  // "\r\n", "\n", "\r", or empty for a last line without one
        Kind kind = Kind::Other;
        QString name;   // section or key name, trimmed, as stored
        QString value;  // key value, trimmed, quotes not yet removed
    };

    static Line parseLine(const QByteArray& raw, const QByteArray& eol);
    // Index of the first section line named section, or -1.
    int findSection(const QString& section) const;
    // Index of the line after the section's last line.
    int sectionEnd(int sectionLine) const;
    int findKey(int sectionLine, const QString& key) const;
    QByteArray lineEnd() const;
    void insertLine(int at, const QByteArray& raw);

    QByteArray bom_;
    std::vector<Line> lines_;
};

}  // namespace lt
