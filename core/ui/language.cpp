#include "core/ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include <memory>
#include <vector>

namespace veldor {

namespace {

constexpr auto kFilePrefix = "veldor_";

// Never shown: each translation file says here, in its translation and its
// translator's comment, how far its texts have been reviewed.
//: The state of this translation; translate as "reviewed by native speakers" once it has been.
[[maybe_unused]] constexpr const char* kReviewState =
    QT_TRANSLATE_NOOP("veldor::Language", "Awaits review by native speakers");

// "de_AT.UTF-8@euro" -> "de_AT"; "pt-BR" -> "pt_BR".
QString bareLocaleName(QString name)
{
    name = name.trimmed();
    const qsizetype cut = name.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0)
        name.truncate(cut);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

bool isPlainC(const QString& name)
{
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX");
}

// The translation that serves `name`, "" for English, or a null string
// when none does and the next name is to be tried.
QString translationFor(const QString& name, const QStringList& available)
{
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString country = name.section(QLatin1Char('_'), 1, 1).toUpper();
    if (language == QLatin1String("en"))
        return QStringLiteral("");
    QString wanted = country.isEmpty() ? language : language + QLatin1Char('_') + country;
    // Where our files name the country, a language alone or another country
    // still finds the file its readers read.
    if (language == QLatin1String("zh"))
        wanted = (country == QLatin1String("TW") || country == QLatin1String("HK") || country == QLatin1String("MO"))
            ? QStringLiteral("zh_TW")
            : QStringLiteral("zh_CN");
    else if (language == QLatin1String("pt"))
        wanted = country == QLatin1String("BR") ? QStringLiteral("pt_BR") : QStringLiteral("pt_PT");
    else if (language == QLatin1String("no") || language == QLatin1String("nb"))
        wanted = QStringLiteral("nb");
    if (available.contains(wanted))
        return wanted;
    if (available.contains(language))
        return language;
    return {};
}

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

} // namespace

LanguageEnvironment LanguageEnvironment::fromProcess()
{
    return {qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
            qEnvironmentVariable("LANG")};
}

QString chooseLanguage(const LanguageEnvironment& environment, const QStringList& available)
{
    QString locale;
    for (const QString* value : {&environment.lcAll, &environment.lcMessages, &environment.lang})
        if (!value->isEmpty()) {
            locale = bareLocaleName(*value);
            break;
        }
    if (isPlainC(locale))
        return QStringLiteral("");
    QStringList names = environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    names << locale;
    for (const QString& name : names) {
        const QString found = translationFor(bareLocaleName(name), available);
        if (!found.isNull())
            return found;
    }
    return QStringLiteral("");
}

QString translationsFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

QStringList availableLanguages(const QString& folder)
{
    QStringList languages;
    const QString prefix = QLatin1String(kFilePrefix);
    for (const QString& file : QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name))
        languages << file.mid(prefix.size()).chopped(3);
    return languages;
}

bool installLanguage(QCoreApplication& application, const QString& language, const QString& folder)
{
    removeLanguage(application);
    if (language.isEmpty())
        return false;
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(QLatin1String(kFilePrefix) + language, folder))
        return false;
    application.installTranslator(ours.get());
    installed().push_back(std::move(ours));
    // Qt's texts for its own dialogs and buttons: Debian's, or where it has
    // none for the language a close neighbour, which beats English. Debian
    // has none at all for a few of our languages and lacks texts in others
    // (Slovak's standard buttons, the file dialog's "Folder" in most); our
    // own fill those in, installed first so that Debian's, searched first,
    // keep every text they have.
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral("qtdialogs_") + language, folder)) {
        application.installTranslator(own.get());
        installed().push_back(std::move(own));
    }
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    QStringList qtNames{language};
    if (language == QLatin1String("pt_PT"))
        qtNames << QStringLiteral("pt_BR");
    else if (language == QLatin1String("nb"))
        qtNames << QStringLiteral("nn");
    for (const QString& name : qtNames) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + name, qtFolder)) {
            application.installTranslator(qt.get());
            installed().push_back(std::move(qt));
            break;
        }
    }
    // Arabic and Hebrew read from the right: every window mirrors, each
    // picture stays as drawn.
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    return true;
}

void removeLanguage(QCoreApplication& application)
{
    for (const auto& translator : installed())
        application.removeTranslator(translator.get());
    installed().clear();
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

} // namespace veldor
