#include "core/settings_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

#include "core/clock.h"
#include "core/input_masks.h"
#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "core/private_profile.h"
#include "core/table_description.h"
#include "core/table_shape.h"
#include "core/totals.h"

namespace lt {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};
}  // namespace

namespace {

// The tables have 51 rows counting the heading row; that is what "Count" stores.
constexpr int kStoredCount = 51;
constexpr qint64 kDefaultIncome = 250000;
constexpr qint64 kDefaultCount = 5;
// The Look ahead window's age: a section of its own after all the others, which
// readers that do not know it pass over.
const QString kLookAheadSection = QStringLiteral("LookAhead");

// The formats that wrote the file, so that another locale reads its dates and amounts:
// the locales of its numbers and dates and its currency. "Name" is what older versions
// read: the one locale of both, empty when they differ.
const QString kLocaleSection = QStringLiteral("Locale");
const QString kLocaleName = QStringLiteral("Name");
const QString kNumbersKey = QStringLiteral("Numbers");
const QString kDatesKey = QStringLiteral("Dates");
const QString kCurrencyKey = QStringLiteral("Currency");
const QString kSymbolKey = QStringLiteral("CurrencySymbol");

QString rowSection(const TableDescription& t, int row) {
    return QLatin1String(t.rowSection) + QString::number(row);
}

// Whether any section is one this program writes.
bool holdsProgramSections(const PrivateProfile& ini) {
    for (const char* name : {"DOB", "Name", "Income", "Locale", "LookAhead"})
        if (ini.hasSection(QLatin1String(name))) return true;
    for (const TableDescription& layout : tableDescriptions()) {
        if (ini.hasSection(QLatin1String(layout.countSection))) return true;
        for (int row = 1; row <= kStoredCount; ++row)
            if (ini.hasSection(rowSection(layout, row))) return true;
    }
    return false;
}

// The file's content, or SettingsReadError; a missing file is an empty one.
PrivateProfile loadSettings(const QString& path, FileStamp* stamp, bool requireSettings = false) {
    const FileRead read = readWholeFile(path);
    if (read.status == FileRead::Status::Failed) throw SettingsReadError(path, read.reason);
    if (stamp) *stamp = read.stamp;
    PrivateProfile ini(read.bytes);
    if (!ini.makesSense()) throw SettingsReadError(path, Text::tr("It is not a settings file"));
    if (requireSettings && read.status == FileRead::Status::Ok && !holdsProgramSections(ini))
        throw SettingsReadError(path, Text::tr("It holds no Lifetally settings"));
    return ini;
}

// A locale the record names; nullopt for none or a name no locale has.
std::optional<QLocale> recordedLocale(const PrivateProfile& ini, const QString& key) {
    QString name = ini.readString(kLocaleSection, key, QString());
    if (name.isEmpty()) name = ini.readString(kLocaleSection, kLocaleName, QString());
    const QLocale l(name);
    if (name.isEmpty() || (l.language() == QLocale::C && name != u"C")) return std::nullopt;
    return l;
}

// A stored text and where it stands, for the message that names it.
struct StoredValue {
    QString* text;
    QString place;
    AmountKind kind = AmountKind::Time;
};

// Values that carry no digit ("Now", "") say nothing about a format.
bool hasDigit(const QString& text) {
    const QString t = loc::asciiDigits(text);
    return std::any_of(t.begin(), t.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The first value `reads` refuses, or nullptr when it reads them all.
template <typename Reads>
const StoredValue* firstUnread(const std::vector<StoredValue>& values, Reads reads) {
    for (const StoredValue& v : values)
        if (hasDigit(*v.text) && !reads(v)) return &v;
    return nullptr;
}

// Reads the values by the record when it reads them all, else by the formats in use when
// those read them all; the chosen formats are given to `use`. A record that is the formats
// in use and reads most of the values stands too: the rest are hand edits ("$3.14159",
// "2/30/2020") that keep their meaning, as nothing is converted, and are reported where
// they are used. Otherwise says which value the record does not read.
template <typename Formats, typename Reads, typename Same, typename Use>
QString chooseFormats(const std::vector<StoredValue>& values,
                      const std::optional<Formats>& recorded, const Formats& running, Reads reads,
                      Same same, Use use, const QString& recordName) {
    if (!recorded) return {};
    const auto byRecord = [&](const StoredValue& v) { return reads(v, *recorded); };
    const StoredValue* bad = firstUnread(values, byRecord);
    if (!bad) {
        use(*recorded);
        return {};
    }
    if (!firstUnread(values, [&](const StoredValue& v) { return reads(v, running); })) {
        use(running);
        return {};
    }
    if (same(*recorded, running)) {
        qsizetype read = 0, unread = 0;
        for (const StoredValue& v : values)
            if (hasDigit(*v.text)) ++(byRecord(v) ? read : unread);
        if (read > unread) {
            use(*recorded);
            return {};
        }
    }
    //: A value of the file, where it stands, and the locale the file says it was written in.
    return Text::tr("%1: '%2' does not read in the formats the file records (%3)")
        .arg(bad->place, *bad->text, recordName);
}

// The stored dates and amounts, in the formats the file records, brought into the ones
// in use; s.currency becomes the file's. A record the values contradict gives way to the
// formats in use when those read every value; otherwise the reason the file cannot be read.
QString bringIntoProgramFormats(StoredSettings& s, const PrivateProfile& ini) {
    std::vector<StoredValue> dates{{&s.birthDateText, birthDatePlace()}};
    std::vector<StoredValue> amounts;
    for (const TableDescription& layout : tableDescriptions()) {
        auto& table = s.tables[size_t(tableIndex(layout.kind))];
        for (size_t r = 0; r < table.size(); ++r) {
            const int row = int(r) + 1;
            if (layout.amount != AmountKind::Time)
                amounts.push_back({&table[r][1], cellPlace(layout.kind, row, 1), layout.amount});
            dates.push_back({&table[r][3], cellPlace(layout.kind, row, 3)});
            dates.push_back({&table[r][4], cellPlace(layout.kind, row, 4)});
        }
    }

    using Money = std::pair<QLocale, loc::Currency>;
    std::optional<Money> recordedMoney;
    if (const auto numbers = recordedLocale(ini, kNumbersKey)) {
        loc::Currency c = loc::currencyOf(*numbers);
        if (const QString code = ini.readString(kLocaleSection, kCurrencyKey, QString());
            !code.isEmpty())
            c = ini.hasKey(kLocaleSection, kSymbolKey)
                    ? loc::Currency{code, ini.readString(kLocaleSection, kSymbolKey, code)}
                    : loc::currencyWithCode(code);
        recordedMoney = Money{*numbers, c};
    }
    const auto amountOf = [](const StoredValue& v, const Money& m) {
        return loc::readAmountIn(*v.text, m.first,
                                 v.kind == AmountKind::Money ? m.second : loc::Currency{},
                                 loc::maskDecimals(amountMask(v.kind)));
    };
    const auto readsAmount = [&](const StoredValue& v, const Money& m) {
        return amountOf(v, m).has_value();
    };
    const Money runningMoney{loc::programLocale(), s.currency};
    const auto useMoney = [&](const Money& m) {
        s.currency = m.second;
        if (m.first.name() == runningMoney.first.name()) return;
        for (const StoredValue& v : amounts)
            if (const auto value = amountOf(v, m))
                *v.text = loc::maskedNumber(*value, amountMask(v.kind), m.second);
    };
    const auto sameMoney = [](const Money& a, const Money& b) {
        return a.first.name() == b.first.name() && a.second.code == b.second.code &&
               a.second.symbol == b.second.symbol;
    };
    const QString numbersName = recordedMoney ? recordedMoney->first.name() : QString();
    QString why = chooseFormats<Money>(amounts, recordedMoney, runningMoney, readsAmount, sameMoney,
                                       useMoney, numbersName);
    if (!why.isEmpty()) return why;

    const auto readsDate = [](const StoredValue& v, const QLocale& l) {
        return loc::parseDateIn(*v.text, l).has_value();
    };
    const auto useDates = [&](const QLocale& l) {
        if (l.name() == loc::dateLocale().name()) return;
        for (const StoredValue& v : dates)
            if (const auto d = loc::parseDateIn(*v.text, l)) *v.text = loc::formatDate(*d);
    };
    const auto recordedDates = recordedLocale(ini, kDatesKey);
    const auto sameDates = [](const QLocale& a, const QLocale& b) { return a.name() == b.name(); };
    return chooseFormats<QLocale>(dates, recordedDates, loc::dateLocale(), readsDate, sameDates,
                                  useDates, recordedDates ? recordedDates->name() : QString());
}

StoredSettings settingsOf(const PrivateProfile& ini) {
    StoredSettings s;
    s.currency = loc::currencyOf(loc::moneyLocale());
    s.name =
        //: The name field's text at a first start; once saved it is the user's data.
        ini.readString(QStringLiteral("Name"), QStringLiteral("name"), Text::tr("Your name"));
    s.birthDateText = ini.readString(QStringLiteral("DOB"), QStringLiteral("Date"), QString());
    if (s.birthDateText.isEmpty()) s.birthDateText = loc::formatDate(today());
    // As stored, even where the income field cannot show it: the window says so and keeps it.
    s.income = ini.readInteger(QStringLiteral("Income"), QStringLiteral("income"), kDefaultIncome);

    for (const TableDescription& layout : tableDescriptions()) {
        const size_t t = size_t(tableIndex(layout.kind));
        const qint64 count = ini.readInteger(QLatin1String(layout.countSection),
                                             QStringLiteral("Count"), kDefaultCount);
        // Rows past the table's 50 have nowhere to go, so they are not read.
        const int rows = int(std::clamp(count, qint64(0), qint64(kDataRows)));
        auto& table = s.tables[t];
        table.resize(size_t(rows));
        for (int row = 1; row <= rows; ++row) {
            const QString section = rowSection(layout, row);
            for (size_t c = 0; c < layout.keys.size(); ++c)
                table[size_t(row - 1)][c] =
                    ini.readString(section, QLatin1String(layout.keys[c]), QString());
        }
        // A blank row before a filled one (hand-edited, or a description of blanks saved
        // by an older version) would split the table: the filled rows move up.
        std::stable_partition(table.begin(), table.end(),
                              [](const auto& row) { return !isBlankActivity(row[0]); });
    }
    const qint64 age = ini.readInteger(kLookAheadSection, QStringLiteral("Age"), 0);
    s.lookAheadAge = age >= 1 && age <= kLookAheadOldestAge ? int(age) : 0;
    return s;
}

}  // namespace

QString unableToWrite(const QString& path, const QString& reason) {
    if (path == u"-")
        return reason.isEmpty() ? Text::tr("Unable to write to standard output")
                                : Text::tr("Unable to write to standard output: %1").arg(reason);
    const QString where = QFileInfo(path).absoluteFilePath();
    //: A file's path, then the reason, often the system's.
    if (reason.isEmpty()) return Text::tr("Unable to write to %1").arg(where);
    return Text::tr("Unable to write to %1: %2").arg(where, reason);
}

QString cannotRead(const QString& path, const QString& reason) {
    return Text::tr("Cannot read %1: %2.").arg(QFileInfo(path).absoluteFilePath(), reason);
}

SettingsWriteError::SettingsWriteError(const QString& path, const QString& reason)
    : std::runtime_error(unableToWrite(path, reason).toStdString()),
      message_(unableToWrite(path, reason)) {}

SettingsReadError::SettingsReadError(const QString& path, const QString& reason)
    : std::runtime_error(cannotRead(path, reason).toStdString()),
      message_(cannotRead(path, reason)),
      reason_(reason) {}

StoredSettings readSettingsFile(const QString& path, FileStamp* stamp, bool requireSettings) {
    const PrivateProfile ini = loadSettings(path, stamp, requireSettings);
    StoredSettings s = settingsOf(ini);
    if (const QString why = bringIntoProgramFormats(s, ini); !why.isEmpty())
        throw SettingsReadError(path, why);
    return s;
}

StoredSettings defaultSettings() { return settingsOf(PrivateProfile()); }

void writeSettingsFile(const QString& path, const StoredSettings& s, bool overwriteUnreadable) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // Keep what the file already holds; an existing file that cannot be read is not
    // written over unless the user has said so.
    PrivateProfile ini;
    try {
        ini = loadSettings(path, nullptr);
    } catch (const SettingsReadError& e) {
        if (!overwriteUnreadable) throw SettingsWriteError(fullPath, e.reason());
    }

    ini.writeString(QStringLiteral("DOB"), QStringLiteral("Date"), s.birthDateText);
    ini.writeString(QStringLiteral("Name"), QStringLiteral("name"), s.name);
    ini.writeInteger(QStringLiteral("Income"), QStringLiteral("income"), s.income);
    for (const TableDescription& layout : tableDescriptions()) {
        const size_t t = size_t(tableIndex(layout.kind));
        const auto& table = s.tables[t];
        ini.writeInteger(QLatin1String(layout.countSection), QStringLiteral("Count"), kStoredCount);
        // Row 51 is not a table row; it is written with empty values.
        for (int row = 1; row <= kStoredCount; ++row) {
            const QString section = rowSection(layout, row);
            const bool hasRow = row <= kDataRows && size_t(row) <= table.size();
            for (size_t c = 0; c < layout.keys.size(); ++c)
                ini.writeString(section, QLatin1String(layout.keys[c]),
                                hasRow ? table[size_t(row - 1)][c] : QString());
        }
    }
    // Right after the row sections: older versions read past it. The formats the texts
    // were written in: those in use, and the file's currency.
    const QString numbers = loc::programLocale().name();
    const QString dates = loc::dateLocale().name();
    const loc::Currency currency = s.currency.code.isEmpty() ? loc::programCurrency() : s.currency;
    ini.writeString(kLocaleSection, kLocaleName, numbers == dates ? numbers : QString());
    ini.writeString(kLocaleSection, kNumbersKey, numbers);
    ini.writeString(kLocaleSection, kDatesKey, dates);
    ini.writeString(kLocaleSection, kCurrencyKey, currency.code);
    ini.writeString(kLocaleSection, kSymbolKey, currency.symbol);

    // Last of all, after every section above and the locale record.
    if (s.lookAheadAge > 0)
        ini.writeInteger(kLookAheadSection, QStringLiteral("Age"), s.lookAheadAge);

    // The user's configuration folder is made on the first save; the file holds a name,
    // a birth date and an income, so nobody else may read either.
    WriteOptions options;
    options.makeFolders = true;
    options.newFileMode = 0600;
    const QByteArray bytes = ini.toBytes();
    // A file too large to read again would lose everything at the next start.
    if (bytes.size() > kMaxReadSize)
        throw SettingsWriteError(
            fullPath, Text::tr("It would be larger than %1 MiB, more than Lifetally reads")
                          .arg(loc::formatNumber(kMaxReadSize >> 20, 0)));
    const QString reason = writeWholeFile(path, bytes, options);
    if (!reason.isEmpty()) throw SettingsWriteError(fullPath, reason);
}

SettingsLock::SettingsLock(const QString& settingsPath) {
    // One lock for the file, whichever name or link reaches it.
    const QFileInfo file(realFilePath(settingsPath));
    const QFileInfo folder(file.absolutePath());
    QString lockPath =
        file.absolutePath() + QStringLiteral("/.") + file.fileName() + QStringLiteral(".lock");
    if (!folder.isDir() || !folder.isWritable()) {
        // Beside the file no lock can be made; the runtime folder is this user's alone.
        const QByteArray id =
            QCryptographicHash::hash(file.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1)
                .toHex()
                .left(16);
        lockPath = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
                   QStringLiteral("/lifetally-") + QString::fromLatin1(id) +
                   QStringLiteral(".lock");
    }
    lock_ = std::make_unique<QLockFile>(lockPath);
    // Held for the whole run: only a dead owner makes a lock stale, never its age.
    lock_->setStaleLockTime(0);
    heldElsewhere_ = !lock_->tryLock(0) && lock_->error() == QLockFile::LockFailedError;
}

SettingsLock::~SettingsLock() = default;

QString SettingsLock::warning(const QString& settingsPath) {
    return QStringLiteral(
               "Another copy of Lifetally has %1 open. Whichever copy is closed last will "
               "overwrite what the other one saved.")
        .arg(QFileInfo(settingsPath).absoluteFilePath());
}

}  // namespace lt
