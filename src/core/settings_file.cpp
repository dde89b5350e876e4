#include "core/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "core/clock.h"
#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "core/private_profile.h"
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

QString rowSection(const TableDescription& t, int row) {
    return QLatin1String(t.rowSection) + QString::number(row);
}

}  // namespace

QString unableToWrite(const QString& path) {
    return QStringLiteral("Unable to write to %1").arg(QFileInfo(path).absoluteFilePath());
}

SettingsWriteError::SettingsWriteError(const QString& path)
    : std::runtime_error(unableToWrite(path).toStdString()), message_(unableToWrite(path)) {}

StoredSettings readSettingsFile(const QString& path) {
    // A file that cannot be read gives the defaults, as a missing one does.
    const PrivateProfile ini = PrivateProfile::loadFile(path).value_or(PrivateProfile());

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
    const qint64 age = ini.readInteger(kLookAheadSection, QStringLiteral("Age"), 0);
    s.lookAheadAge = age >= 1 && age <= kLookAheadOldestAge ? int(age) : 0;
    return s;
}

void writeSettingsFile(const QString& path, const StoredSettings& s) {
    const QString fullPath = QFileInfo(path).absoluteFilePath();
    // Keep what the file already holds; an existing file that cannot be read must not
    // be replaced by one without its other contents.
    std::optional<PrivateProfile> loaded = PrivateProfile::loadFile(path);
    if (!loaded) throw SettingsWriteError(fullPath);
    PrivateProfile& ini = *loaded;

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

    // Last of all, after every section above and any record added after the rows.
    if (s.lookAheadAge > 0)
        ini.writeInteger(kLookAheadSection, QStringLiteral("Age"), s.lookAheadAge);

    // The user's configuration folder is made on the first save.
    QDir().mkpath(QFileInfo(fullPath).absolutePath());
    if (!ini.saveFile(path)) throw SettingsWriteError(fullPath);
}

}  // namespace lt
