#pragma once
#include <QString>
#include <QStringList>

// The language of the program's words. Formats (numbers, dates, money) never follow it:
// they are locale_format's, from LC_NUMERIC, LC_TIME and LC_MONETARY.
namespace lt {

// The languages the program's words are translated into ("de", "es", "fr"), as carried
// in the program.
QStringList shippedLanguages();

// The first of the user's languages, most wanted first as QLocale::uiLanguages() lists
// them ("de-AT", "fr", "en-US"), that the program speaks: one of `shipped`, or "en" when
// English comes first or none is shipped.
QString chooseLanguage(const QStringList& uiLanguages, const QStringList& shipped);

// Installs the program's words in `language` and Qt's own (its buttons and dialogs) into the
// running application, replacing any installed before. English loads its plural forms.
// Qt's words follow ours, so the window never mixes two languages, nor takes the direction
// of a language it does not speak. False when the program's own could not be loaded.
bool installTranslations(const QString& language);

// The language of the system's choice (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), installed.
QString installSystemTranslations();

}  // namespace lt
