#include "core/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace lt {

namespace {

const QString ourPrefix = QStringLiteral(":/i18n/lifetally_");

// The translators installed last; children of their application, they go with it.
QPointer<QTranslator> ours;
QPointer<QTranslator> qts;

void replace(QPointer<QTranslator>& slot, QTranslator* next) {
    delete slot.data();  // its destructor uninstalls it
    slot = next;
    if (next) QCoreApplication::installTranslator(next);
}

}  // namespace

QStringList shippedLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("lifetally_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        const QString language = file.mid(10, file.size() - 13);
        // English carries only plural forms; it is the language of the sources.
        if (language != QLatin1String("en")) languages << language;
    }
    return languages;
}

QString chooseLanguage(const QStringList& uiLanguages, const QStringList& shipped) {
    for (const QString& tag : uiLanguages) {
        const QString language =
            tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (language == QLatin1String("en")) return language;
        if (shipped.contains(language)) return language;
    }
    return QStringLiteral("en");
}

bool installTranslations(const QString& language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    auto* own = new QTranslator(app);
    const bool loaded = own->load(ourPrefix + language + QStringLiteral(".qm"));
    if (!loaded) {
        delete own;
        own = nullptr;
    }
    replace(ours, own);

    // Qt's own words come with qt6-translations-l10n; without it they stay English.
    auto* qt = new QTranslator(app);
    if (!qt->load(QStringLiteral("qtbase_") + language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        qt = nullptr;
    }
    replace(qts, qt);
    return loaded;
}

QString installSystemTranslations() {
    const QString language = chooseLanguage(QLocale::system().uiLanguages(), shippedLanguages());
    installTranslations(language);
    return language;
}

}  // namespace lt
