#include "core/language.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace lt {
namespace {

// The user's languages come most wanted first, as QLocale::uiLanguages() lists them from
// LANGUAGE (a colon list), else LC_ALL, LC_MESSAGES or LANG.
TEST(Language, TheFirstOfTheUsersLanguagesThatIsShipped) {
    const QStringList shipped = {"de", "es", "fr"};
    const struct {
        QStringList ui;
        const char* chosen;
    } cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"fr-CA"}, "fr"},
        {{"es_MX"}, "es"},
        {{"DE-AT"}, "de"},
        {{"pt-BR", "pt", "es"}, "es"},  // LANGUAGE=pt_BR:es: the next one spoken
        {{"en", "de"}, "en"},           // English asked for before German
        {{"en-GB", "fr"}, "en"},
        {{"ar-EG", "ar"}, "en"},  // not shipped: English, left to right
        {{"de-Latn-DE"}, "de"},
        {{"C"}, "en"},
        {{}, "en"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(chooseLanguage(c.ui, shipped), QLatin1String(c.chosen))
            << c.ui.join(u':').toStdString();
    EXPECT_EQ(chooseLanguage({"de-DE"}, {}), "en");
}

// The program carries each language of the build and English's plural forms.
TEST(Language, TheShippedLanguagesAreCarried) {
    EXPECT_EQ(shippedLanguages(), (QStringList{"de", "es", "fr"}));
    for (const char* language : {"de", "es", "fr", "en"})
        EXPECT_TRUE(installTranslations(QLatin1String(language))) << language;
    EXPECT_FALSE(installTranslations(QStringLiteral("xx")));
    installTranslations(QStringLiteral("en"));
}

// Qt's own words follow ours, and a language installed replaces the one before it.
TEST(Language, QtsOwnWordsFollow) {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const struct {
        const char* language;
        const char* shown;
    } cases[] = {{"de", "Abbrechen"}, {"fr", "Annuler"}, {"es", "Cancelar"}, {"en", "Cancel"}};
    for (const auto& c : cases) {
        installTranslations(QLatin1String(c.language));
        EXPECT_EQ(cancel(), QString::fromUtf8(c.shown)) << c.language;
    }
}

}  // namespace
}  // namespace lt
