#pragma once
// Helpers for the tests that drive the whole main window: the two locales the journeys
// run under, written out by hand, a reader of the settings file that shares nothing with
// the program's own, and ways to put the keyboard focus where a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <utility>
#include <vector>

#include "support/main_window_harness.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace lt::test {

// What the user sees in one locale, spelled out for the expectations.
struct Style {
    const char* id;
    bool german;

    QLocale locale() const {
        return german ? QLocale(QLocale::German, QLocale::Germany)
                      : QLocale(QLocale::English, QLocale::UnitedStates);
    }
    // The short date format the program writes: M/d/yyyy or dd.MM.yyyy.
    QString date(int y, int m, int d) const {
        if (german)
            return QStringLiteral("%1.%2.%3")
                .arg(d, 2, 10, QLatin1Char('0'))
                .arg(m, 2, 10, QLatin1Char('0'))
                .arg(y);
        return QStringLiteral("%1/%2/%3").arg(m).arg(d).arg(y);
    }
    QString date(const QDate& d) const { return date(d.year(), d.month(), d.day()); }
    // A date as a user may type it, with one-digit day and month.
    QString typedDate(int y, int m, int d) const {
        return german ? QStringLiteral("%1.%2.%3").arg(d).arg(m).arg(y)
                      : QStringLiteral("%1/%2/%3").arg(m).arg(d).arg(y);
    }
    // A number written the US way ("2,712 (0.84%)") in this locale's separators.
    QString num(const QString& us) const {
        if (!german) return us;
        QString out = us;
        for (QChar& c : out) {
            if (c == u',')
                c = u'.';
            else if (c == u'.')
                c = u',';
        }
        return out;
    }
    // A masked amount field's text ("$12.50"): the currency sign, cut to one character,
    // in front of the grouped digits.
    QString field(const QString& us) const {
        if (!german) return us;
        QString out = num(us);
        out.replace(u'$', QStringLiteral("\u20ac"));
        return out;
    }
    // How the window shows an amount the file keeps as field() writes it: in the currency
    // format, "€12,50" as "12,50 €".
    QString shownMoney(const QString& field) const {
        return german ? field.mid(1) + QStringLiteral("\u00a0\u20ac") : field;
    }
    // A money total ("$6,000" and "6.00"): the currency format, then the share.
    QString moneyTotal(const QString& usAmount, const QString& usPercent = QString()) const {
        QString amount = german ? num(usAmount) + QStringLiteral("\u00a0\u20ac")
                                : QStringLiteral("$") + usAmount;
        if (!usPercent.isEmpty())
            amount += QStringLiteral(" (") + num(usPercent) + QStringLiteral("%)");
        return amount;
    }
    QString longTime10am() const {
        return german ? QStringLiteral("10:00:00") : QStringLiteral("10:00:00 AM");
    }
};

// Test names and failures show the locale.
inline void PrintTo(const Style& s, std::ostream* os) { *os << s.id; }

inline const Style kEnglish{"en_US", false};
inline const Style kGerman{"de_DE", true};

inline std::string styleName(const ::testing::TestParamInfo<Style>& info) {
    return info.param.german ? "de_DE" : "en_US";
}

// The settings file as a plain reader sees it: sections in file order, each with its
// key lines in order (split at the first "="), nothing trimmed or unquoted.
struct IniSection {
    QString name;
    std::vector<std::pair<QString, QString>> keys;
    QString value(const QString& key) const {
        for (const auto& [k, v] : keys)
            if (k == key) return v;
        return QStringLiteral("<missing>");
    }
};

struct IniFile {
    QByteArray bytes;
    std::vector<IniSection> sections;
    QStringList otherLines;  // lines that are neither a section nor a key

    const IniSection* find(const QString& name) const {
        for (const IniSection& s : sections)
            if (s.name == name) return &s;
        return nullptr;
    }
    QString value(const QString& section, const QString& key) const {
        const IniSection* s = find(section);
        return s ? s->value(key) : QStringLiteral("<no section>");
    }
    // Columns 0 to 4 of a stored table row.
    QStringList row(const QString& section) const {
        static const char* const hoursKeys[] = {"Desc", "HrMin", "Per", "Start", "End"};
        static const char* const otherKeys[] = {"Desc", "Amount", "Per", "Start", "End"};
        const bool hours = section.startsWith(QStringLiteral("Hour"));
        QStringList out;
        for (int c = 0; c < 5; ++c)
            out << value(section, QLatin1String(hours ? hoursKeys[c] : otherKeys[c]));
        return out;
    }
};

inline IniFile readIni(const QString& path) {
    IniFile ini;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return ini;
    ini.bytes = f.readAll();
    const QString text = QString::fromUtf8(ini.bytes);
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.startsWith(QLatin1Char('['))) {
            ini.sections.push_back({line.mid(1, line.indexOf(QLatin1Char(']')) - 1), {}});
        } else if (line.contains(QLatin1Char('=')) && !ini.sections.empty()) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            ini.sections.back().keys.emplace_back(line.left(eq), line.mid(eq + 1));
        } else if (!line.isEmpty()) {
            ini.otherLines << line;
        }
    }
    return ini;
}

// The shape every saved file has: DOB, Name, Income, then for each table its count
// section (51) and rows 1 to 51, each with its five keys in order. A file that was
// there before keeps its own order of sections (new ones go at its end): `inOrder` false.
inline ::testing::AssertionResult hasSavedLayout(const IniFile& ini, bool inOrder = true) {
    std::vector<std::pair<QString, QStringList>> want = {
        {QStringLiteral("DOB"), {QStringLiteral("Date")}},
        {QStringLiteral("Name"), {QStringLiteral("name")}},
        {QStringLiteral("Income"), {QStringLiteral("income")}}};
    const char* const tables[3][2] = {{"Hours", "Hour"}, {"Money", "Money"}, {"Freq", "Freq"}};
    for (int t = 0; t < 3; ++t) {
        want.push_back({QLatin1String(tables[t][0]), {QStringLiteral("Count")}});
        const QStringList keys = t == 0 ? QStringList{"Desc", "HrMin", "Per", "Start", "End"}
                                        : QStringList{"Desc", "Amount", "Per", "Start", "End"};
        for (int r = 1; r <= 51; ++r)
            want.push_back({QLatin1String(tables[t][1]) + QString::number(r), keys});
    }
    want.push_back({QStringLiteral("Locale"),
                    {QStringLiteral("Name"), QStringLiteral("Numbers"), QStringLiteral("Dates"),
                     QStringLiteral("Currency"), QStringLiteral("CurrencySymbol")}});
    if (ini.sections.size() != want.size())
        return ::testing::AssertionFailure()
               << ini.sections.size() << " sections, expected " << want.size();
    for (size_t i = 0; i < want.size(); ++i) {
        const IniSection* s = inOrder ? &ini.sections[i] : ini.find(want[i].first);
        if (!s || s->name != want[i].first)
            return ::testing::AssertionFailure()
                   << "section " << i << " is not " << want[i].first.toStdString();
        QStringList keys;
        for (const auto& kv : s->keys) keys << kv.first;
        if (keys != want[i].second)
            return ::testing::AssertionFailure()
                   << "keys of " << s->name.toStdString() << ": " << keys.join(u',').toStdString();
    }
    for (const char* count : {"Hours", "Money", "Freq"})
        if (ini.value(QLatin1String(count), QStringLiteral("Count")) != u"51")
            return ::testing::AssertionFailure() << count << " Count is not 51";
    return ::testing::AssertionSuccess();
}

// Text of the printed PDF, laid out as on the page; empty when it cannot be read.
inline QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(10000) || p.exitCode() != 0) return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Whether the expected lines appear, in this order, among the text's non-empty lines
// (runs of blanks, no-break spaces included, compared as one).
inline ::testing::AssertionResult linesInOrder(const QString& text, const QStringList& expected) {
    QStringList got;
    for (const QString& l : text.split(QRegularExpression(QStringLiteral("[\n\f]"))))
        if (!l.simplified().isEmpty()) got << l.simplified();
    qsizetype at = 0;
    for (const QString& e : expected) {
        while (at < got.size() && got[at] != e.simplified()) ++at;
        if (at == got.size())
            return ::testing::AssertionFailure()
                   << "line not found in order: " << e.simplified().toStdString();
        ++at;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace lt::test
