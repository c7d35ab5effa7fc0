#pragma once
// The language the windows speak: chosen from the environment as gettext
// chooses it, among the translations that sit beside the program.
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace veldor {

// The variables that name the user's language, as the process has them.
struct LanguageEnvironment {
    QString language;   // LANGUAGE: a list of languages, "fr:de"
    QString lcAll;      // LC_ALL
    QString lcMessages; // LC_MESSAGES
    QString lang;       // LANG

    static LanguageEnvironment fromProcess();
};

// The first of `available` (names as in the translation files: "de",
// "pt_BR", "zh_TW") that the environment asks for, or "" for English: when
// English comes first, when nothing asked for is available, and when the
// locale is "C" or "POSIX" (LANGUAGE is then ignored, as gettext does).
QString chooseLanguage(const LanguageEnvironment& environment, const QStringList& available);

// The folder of the program's translations: translations/ beside it.
QString translationsFolder();
// The languages of the translation files in `folder`.
QStringList availableLanguages(const QString& folder);

// Makes the application speak `language` ("" leaves it in English): our
// texts from `folder`, Qt's own for its dialogs, and the reading direction
// of the language for every window's layout. Returns whether our
// translation was found.
bool installLanguage(QCoreApplication& application, const QString& language, const QString& folder);
// Takes back what installLanguage put in, so that English is spoken again.
void removeLanguage(QCoreApplication& application);

} // namespace veldor
