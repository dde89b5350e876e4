#include "core/settings_file.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>

#include "core/clock.h"
#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "core/private_profile.h"
#include "core/session.h"
#include "core/table_description.h"
#include "core/table_shape.h"

namespace lt {

namespace {

constexpr int kDataRows = 50;
// The tables have 51 rows counting the heading row; that is what "Count" stores.
constexpr int kStoredCount = 51;
constexpr qint64 kDefaultIncome = 250000;
constexpr qint64 kMaxIncome = 99999999;
constexpr qint64 kDefaultCount = 5;
// The Look ahead window's age: a section of its own after all the others, which
// readers that do not know it pass over.
const QString kLookAheadSection = QStringLiteral("LookAhead");

// The locale that wrote the file, so that another one can read its dates and amounts.
const QString kLocaleSection = QStringLiteral("Locale");
const QString kLocaleKey = QStringLiteral("Name");

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
    if (!ini.makesSense())
        throw SettingsReadError(path, QStringLiteral("It is not a settings file"));
    if (requireSettings && read.status == FileRead::Status::Ok && !holdsProgramSections(ini))
        throw SettingsReadError(path, QStringLiteral("It holds no Lifetally settings"));
    return ini;
}

// Dates and amounts written under `recorded` (a locale name), as this locale writes them.
// Texts that do not read there are left as they stand, to be reported where they are used.
void bringIntoProgramLocale(StoredSettings& s, const QString& recorded) {
    const QLocale from(recorded);
    // An unknown name gives the C locale; such a record is not trusted.
    if (recorded.isEmpty() || (from.language() == QLocale::C && recorded != u"C") ||
        from.name() == loc::programLocale().name())
        return;
    auto date = [&from](QString& text) {
        if (const auto d = loc::parseDateIn(text, from)) text = loc::formatDate(*d);
    };
    date(s.birthDateText);
    for (const TableDescription& layout : tableDescriptions()) {
        for (auto& row : s.tables[size_t(tableIndex(layout.kind))]) {
            if (layout.amount != AmountKind::Time)
                if (const auto v = loc::parseAmountIn(row[1], from))
                    row[1] = loc::maskedNumber(*v, amountMask(layout.amount));
            date(row[3]);
            date(row[4]);
        }
    }
}

StoredSettings settingsOf(const PrivateProfile& ini) {
    StoredSettings s;
    s.name =
        ini.readString(QStringLiteral("Name"), QStringLiteral("name"), QStringLiteral("Your name"));
    s.birthDateText = ini.readString(QStringLiteral("DOB"), QStringLiteral("Date"), QString());
    if (s.birthDateText.isEmpty()) s.birthDateText = loc::formatDate(today());
    // The income field holds 0..99,999,999; a hand-edited value outside is brought in.
    s.income = std::clamp(
        ini.readInteger(QStringLiteral("Income"), QStringLiteral("income"), kDefaultIncome),
        qint64(0), kMaxIncome);

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
    bringIntoProgramLocale(s, ini.readString(kLocaleSection, kLocaleKey, QString()));
    const qint64 age = ini.readInteger(kLookAheadSection, QStringLiteral("Age"), 0);
    s.lookAheadAge = age >= 1 && age <= kLookAheadOldestAge ? int(age) : 0;
    return s;
}

}  // namespace

QString unableToWrite(const QString& path, const QString& reason) {
    const QString where =
        path == u"-" ? QStringLiteral("standard output") : QFileInfo(path).absoluteFilePath();
    if (reason.isEmpty()) return QStringLiteral("Unable to write to %1").arg(where);
    return QStringLiteral("Unable to write to %1: %2").arg(where, reason);
}

QString cannotRead(const QString& path, const QString& reason) {
    return QStringLiteral("Cannot read %1: %2.").arg(QFileInfo(path).absoluteFilePath(), reason);
}

SettingsWriteError::SettingsWriteError(const QString& path, const QString& reason)
    : std::runtime_error(unableToWrite(path, reason).toStdString()),
      message_(unableToWrite(path, reason)) {}

SettingsReadError::SettingsReadError(const QString& path, const QString& reason)
    : std::runtime_error(cannotRead(path, reason).toStdString()),
      message_(cannotRead(path, reason)),
      reason_(reason) {}

StoredSettings readSettingsFile(const QString& path, FileStamp* stamp, bool requireSettings) {
    return settingsOf(loadSettings(path, stamp, requireSettings));
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
    // Right after the row sections: older versions read past it.
    ini.writeString(kLocaleSection, kLocaleKey, loc::programLocale().name());

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
            fullPath, QStringLiteral("It would be larger than %1 MiB, more than Lifetally reads")
                          .arg(kMaxReadSize >> 20));
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
