// The windows in the user's language: which language the environment
// chooses, files that stay the same in every language, and windows that
// mirror for a language read from the right while the picture does not.
#include "harness.h"
#include "smallwindows.h"

#include "core/ui/language.h"
#include "core/ui/messages.h"
#include "core/ui/newform.h"
#include "core/ui/picturenames.h"
#include "core/ui/pictureview.h"
#include "editing/ui/choicewindow.h"
#include "sources/ui/land.h"
#include "sources/ui/objectbox.h"
#include "sources/ui/skyform.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileIconProvider>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QPushButton>
#include <QToolButton>

#include <clocale>

using namespace veldor;
using veldor::test::TestProgram;
using veldor::test::control;

namespace {

const QString kTranslations = QStringLiteral(VELDOR_TEST_APP_DIR "/translations");

// Speaks `language` (and formats numbers as its country does) for the
// object's lifetime; English again afterwards.
struct SpokenLanguage {
    explicit SpokenLanguage(const QString& language, const char* cLocale = nullptr)
    {
        if (!language.isEmpty())
            QVERIFY2(installLanguage(*QCoreApplication::instance(), language, kTranslations),
                     qPrintable(language));
        QLocale::setDefault(QLocale(language.isEmpty() ? QStringLiteral("en_US") : language));
        // Where the machine has the locale; the translator above is the test.
        if (cLocale)
            std::setlocale(LC_ALL, cLocale);
    }
    ~SpokenLanguage()
    {
        removeLanguage(*QCoreApplication::instance());
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }
};

// Every text the windows show, and what a screen reader reads, keyed by
// where it is: after a little work, so that the texts a scene, an object and
// a pack bring are there too.
QMap<QString, QString> shownTexts(TestProgram& p)
{
    Forms& f = p.forms();
    TMainForm& m = p.main();
    f.sky->sky2Click();
    f.Objectx->sky2Click();
    m.MainImageMouseDown(100, 90);
    m.MainImageMouseUp(230, 210);
    f.obconfirm->findChild<QPushButton*>(QStringLiteral("keep"))->click();
    m.MainImageMouseDown(150, 150);
    m.MainImageMouseUp(150, 150);
    f.SkyPack->showPack("sample.vpk");
    QMap<QString, QString> texts;
    const auto note = [&texts](const QString& where, const QString& text) {
        if (!text.isEmpty())
            texts.insert(where, text);
    };
    std::vector<std::pair<QString, QWidget*>> windows{{QStringLiteral("MainForm"), &m}};
    for (const auto& [name, window] : test::smallWindows(f))
        windows.emplace_back(name, window);
    for (const auto& [name, window] : windows) {
        note(name, window->windowTitle());
        for (QWidget* w : window->findChildren<QWidget*>()) {
            // Qt's own parts, another window's controls, and a placeholder
            // that is named after itself and replaced before it shows.
            if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) || w->window() != window)
                continue;
            if (auto* label = qobject_cast<QLabel*>(w); label && label->text() == w->objectName())
                continue;
            const QString where = name + QLatin1Char('.') + w->objectName();
            if (auto* label = qobject_cast<QLabel*>(w))
                note(where, label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                note(where, button->text());
            if (auto* menu = qobject_cast<QMenu*>(w))
                note(where, menu->title());
            note(where + QStringLiteral(".tip"), w->toolTip());
            note(where + QStringLiteral(".name"), w->accessibleName());
            note(where + QStringLiteral(".description"), w->accessibleDescription());
        }
    }
    for (QAction* action : m.findChildren<QAction*>()) {
        if (action->objectName().isEmpty())
            continue;
        note(action->objectName(), action->text());
        note(action->objectName() + QStringLiteral(".hint"), action->statusTip());
    }
    return texts;
}

// The source texts of `language`'s translation file that it leaves as they
// are ("OK", "Cactus"), and whether every entry is translated and the file
// says it awaits review.
struct TranslationFile {
    QSet<QString> keptAsIs;
    QStringList unfinished;
    bool marksReview = false;
};

TranslationFile readTranslationFile(const QString& language)
{
    TranslationFile file;
    QFile ts(QStringLiteral(VELDOR_TEST_SOURCE_DIR "/translations/veldor_%1.ts").arg(language));
    if (!ts.open(QIODevice::ReadOnly))
        return file;
    QXmlStreamReader xml(&ts);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translatorcomment")) {
            file.marksReview |= xml.readElementText().contains(QLatin1String("review by native speakers"));
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (unfinished || text.isEmpty())
                file.unfinished << source;
            else if (text == source)
                file.keptAsIs << source;
        }
    }
    return file;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void environmentChoosesTheLanguage_data();
    void environmentChoosesTheLanguage();
    void everyLanguageIsBuilt();
    void layersMessagesAreTranslated_data();
    void layersMessagesAreTranslated();
    void qtDialogsSpeakEveryLanguage_data();
    void qtDialogsSpeakEveryLanguage();
    void noEnglishIsLeft_data();
    void noEnglishIsLeft();
    void windowsFitEveryLanguage_data();
    void windowsFitEveryLanguage();
    void libraryNamesAreShownFromTheirParts();
    void scenesAreTheSameInEveryLanguage();
    void rightToLeftMirrorsTheWindowsButNotThePicture();
};

void LanguageTest::environmentChoosesTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("chosen");
    const auto row = [](const char* name, const char* language, const char* lcAll, const char* lcMessages,
                        const char* lang, const char* chosen) {
        QTest::newRow(name) << QString::fromLatin1(language) << QString::fromLatin1(lcAll)
                            << QString::fromLatin1(lcMessages) << QString::fromLatin1(lang)
                            << QString::fromLatin1(chosen);
    };
    row("LANG", "", "", "", "de_DE.UTF-8", "de");
    row("English", "", "", "", "en_GB.UTF-8", "");
    row("unknown language", "", "", "", "sr_RS.UTF-8", "");
    row("nothing set", "", "", "", "", "");
    row("LC_MESSAGES over LANG", "", "", "fr_FR.UTF-8", "de_DE.UTF-8", "fr");
    row("LC_ALL over LC_MESSAGES", "", "es_ES.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", "es");
    row("LANGUAGE over the locale", "fr:de", "", "", "de_DE.UTF-8", "fr");
    row("LANGUAGE skips the unknown", "xx:it", "", "", "de_DE.UTF-8", "it");
    row("LANGUAGE says English first", "en:fr", "", "", "de_DE.UTF-8", "");
    row("LANGUAGE ignored under C", "de", "", "", "C", "");
    row("LANGUAGE ignored under C.UTF-8", "de", "C.UTF-8", "", "fr_FR", "");
    row("LANGUAGE ignored without locale", "de", "", "", "", "");
    row("modifier", "", "", "", "de_AT.UTF-8@euro", "de");
    row("Brazil", "", "", "", "pt_BR.UTF-8", "pt_BR");
    row("Portugal", "", "", "", "pt_PT.UTF-8", "pt_PT");
    row("Portuguese alone", "pt", "", "", "de_DE", "pt_PT");
    row("Hong Kong", "", "", "", "zh_HK.UTF-8", "zh_TW");
    row("Singapore", "", "", "", "zh_SG.UTF-8", "zh_CN");
    row("Chinese alone", "zh", "", "", "de_DE", "zh_CN");
    row("Norwegian", "", "", "", "no_NO.UTF-8", "nb");
    row("Bokmal", "", "", "", "nb_NO.UTF-8", "nb");
}

void LanguageTest::environmentChoosesTheLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, chosen);
    const QStringList available = QString::fromLatin1(
        "ar ca zh_CN zh_TW cs da nl fi fr de el he hi hu id it ja ko nb pl pt_BR pt_PT ro ru sk es sv tr uk vi")
        .split(QLatin1Char(' '));
    QCOMPARE(chooseLanguage({language, lcAll, lcMessages, lang}, available), chosen);
}

void LanguageTest::everyLanguageIsBuilt()
{
    QCOMPARE(availableLanguages(kTranslations).size(), 30);
}

void LanguageTest::layersMessagesAreTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* name, const char* language, const char* text, const char* shown) {
        QTest::newRow(name) << QString::fromLatin1(language) << QString::fromUtf8(text) << QString::fromUtf8(shown);
    };
    row("English", "", "Cannot create file /t/a.vdr: Disk full", "Cannot create file /t/a.vdr: Disk full");
    row("reason translated too", "de", "Cannot create file /t/a b.vdr: Disk full",
        "Datei /t/a b.vdr kann nicht angelegt werden: Der Speicher ist voll");
    row("path and reason", "de", "/home/kim/sky.bmp: File access denied",
        "/home/kim/sky.bmp: Zugriff auf die Datei verweigert");
    row("quoted value", "de", "'12a' is not a valid integer value", "„12a“ ist keine gültige ganze Zahl");
    row("placeholder in a name", "de", "Cannot open file %2.bmp", "Datei %2.bmp kann nicht geöffnet werden");
    row("details stay", "de", "The image pack p.vpk cannot be installed:\nline 1: odd",
        "Das Bilderpaket p.vpk kann nicht hinzugefügt werden:\nline 1: odd");
    row("not ours", "de", "Something else: entirely", "Something else: entirely");
}

void LanguageTest::layersMessagesAreTranslated()
{
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QTranslator probe;
    if (!language.isEmpty() && (!probe.load(QStringLiteral("veldor_") + language, kTranslations) || probe.isEmpty()))
        QSKIP("not translated yet");
    SpokenLanguage spoken(language);
    QCOMPARE(translatedMessage(text), shown);
}

void LanguageTest::qtDialogsSpeakEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : availableLanguages(kTranslations))
        QTest::newRow(qPrintable(language)) << language;
}

// Qt's own dialogs and buttons speak every language too: Debian's
// translations where it has them, the program's own where it has none or
// lacks a text (Slovak's buttons, most languages' file dialog).
void LanguageTest::qtDialogsSpeakEveryLanguage()
{
    QFETCH(QString, language);
    SpokenLanguage spoken(language);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE_NE(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Cancel"));
    QCOMPARE_NE(QFileIconProvider().type(QFileInfo(QDir::rootPath())), QStringLiteral("Drive"));
}

void LanguageTest::noEnglishIsLeft_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : availableLanguages(kTranslations))
        QTest::newRow(qPrintable(language)) << language;
}

// In a translated language every text is translated, or on purpose the
// same as in English; the translation file is complete and says it awaits
// review.
void LanguageTest::noEnglishIsLeft()
{
    QFETCH(QString, language);
    QTranslator probe;
    QVERIFY(probe.load(QStringLiteral("veldor_") + language, kTranslations));
    if (probe.isEmpty())
        QSKIP("not translated yet");
    const TranslationFile file = readTranslationFile(language);
    QVERIFY2(file.unfinished.isEmpty(), qPrintable(file.unfinished.join(QStringLiteral(" | "))));
    QVERIFY(file.marksReview);

    QMap<QString, QString> english;
    {
        TestProgram p;
        p.start();
        english = shownTexts(p);
    }
    SpokenLanguage spoken(language);
    TestProgram p;
    p.start();
    const QMap<QString, QString> translated = shownTexts(p);
    // Names, numbers and the placeholder of a title not yet chosen.
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]{2}"));
    QStringList left;
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        if (translated.value(it.key()) == it.value() && it.value().contains(letters)
            && it.value() != QLatin1String("Veldor") && !file.keptAsIs.contains(it.value()))
            left << it.key() + QStringLiteral(": ") + it.value();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

void LanguageTest::windowsFitEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    for (const QString& language : availableLanguages(kTranslations))
        QTest::newRow(qPrintable(language)) << language;
}

// Every label, button and check box of every small window shows its whole
// text, inside its window and clear of its neighbours (the Help title drawn
// over the logo on purpose aside), with a pack's texts shown too.
void LanguageTest::windowsFitEveryLanguage()
{
    QFETCH(QString, language);
    SpokenLanguage spoken(language);
    TestProgram p;
    p.start();
    Forms& f = p.forms();
    f.SkyPack->showPack("sample.vpk");
    const QWidget* helpLogo = control(f.helpbox, "ProgramIcon");
    QStringList cut;
    for (const auto& [name, w] : test::smallWindows(f)) {
        const QList<QWidget*> controls = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* c : controls) {
            auto* label = qobject_cast<QLabel*>(c);
            auto* button = qobject_cast<QAbstractButton*>(c);
            if (!c->isVisibleTo(w) || (!label && !button))
                continue;
            const QString text = label ? label->text() : button->text();
            if (text.isEmpty() || c == helpLogo)
                continue;
            const QString where = name + QLatin1Char('.') + c->objectName();
            bool whole = true;
            QRect shown = c->geometry();
            if (label && label->wordWrap()) {
                whole = label->heightForWidth(label->width()) <= label->height();
            } else if (qobject_cast<QPushButton*>(c)) {
                QString plain = text;
                plain.remove(QLatin1Char('&'));
                whole = c->fontMetrics().horizontalAdvance(plain) + 2 * 4 <= c->width();
            } else {
                whole = c->sizeHint().width() <= c->width();
                // A label's text starts at its reading edge.
                if (label && !c->isRightToLeft())
                    shown.setWidth(c->sizeHint().width());
            }
            if (!whole)
                cut << where + QStringLiteral(" cut: ") + text;
            if (shown.left() < 0 || shown.right() >= w->width() || shown.bottom() >= w->height())
                cut << where + QStringLiteral(" outside its window");
            for (QWidget* other : controls)
                if (other != c && other != helpLogo && other->isVisibleTo(w) && shown.intersects(other->geometry()))
                    cut << where + QStringLiteral(" over ") + other->objectName();
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

// A scene made through the windows, in each language and with numbers
// formatted as each country does, is saved byte for byte as in English:
// titles of our own pictures as written, numbers in plain digits.
// A library pack is "<category> <n>" and lists its captions; each part is
// translated, and a name not wholly ours stays as written.
void LanguageTest::libraryNamesAreShownFromTheirParts()
{
    const SpokenLanguage german(QStringLiteral("de"));
    const std::pair<const char*, const char*> shown[] = {
        {"Farm Animals 12", "Bauernhoftiere 12"},
        {"Cow, Pig and Sheep", "Kuh, Schwein und Schaf"},
        {"Cow and Sheep", "Kuh und Schaf"},
        {"Farm Animals", "Bauernhoftiere"},
        {"Farm Animals 1b", "Farm Animals 1b"},
        {"Cow, Pig and Dragonfly Kite", "Cow, Pig and Dragonfly Kite"},
        {"My Pets 2", "My Pets 2"},
    };
    for (const auto& [written, expected] : shown)
        QCOMPARE(shownName(written), QString::fromUtf8(expected));
}

void LanguageTest::scenesAreTheSameInEveryLanguage()
{
    struct Case {
        const char* language;
        const char* cLocale;
    };
    const Case cases[] = {{"", "C"}, {"de", "de_DE.UTF-8"}, {"ar", "ar_EG.UTF-8"}, {"fr", "fr_FR.UTF-8"},
                          {"zh_CN", "zh_CN.UTF-8"}, {"hi", "hi_IN.UTF-8"}};
    QByteArray english;
    for (const Case& c : cases) {
        SpokenLanguage spoken(QString::fromLatin1(c.language), c.cLocale);
        TestProgram p;
        p.start();
        Forms& f = p.forms();
        TMainForm& m = p.main();
        f.sky->sky2Click();
        f.landscape->land3Click();
        f.Objectx->sky2Click();
        m.MainImageMouseDown(100, 90);
        m.MainImageMouseMove(230, 210);
        m.MainImageMouseUp(230, 210);
        QTest::mouseClick(control<QPushButton>(f.obconfirm, "keep"), Qt::LeftButton);
        const QString file = p.appDir.path(QStringLiteral("scene.vdr"));
        p.services.saveAnswers = {file};
        m.FileSaveAsItemClick();
        const QByteArray saved = readAll(file);
        if (english.isEmpty()) {
            english = saved;
            QVERIFY(english.contains("\r\nHot Air Balloon\r\n"));
        }
        QVERIFY2(saved == english, c.language);
    }
}

void LanguageTest::rightToLeftMirrorsTheWindowsButNotThePicture()
{
    const auto pictureShown = [](TestProgram& p) {
        p.forms().sky->sky2Click();
        return p.main().MainImage->grab().toImage();
    };
    QImage leftToRight;
    {
        TestProgram p;
        p.start();
        leftToRight = pictureShown(p);
    }
    SpokenLanguage spoken(QStringLiteral("ar"));
    QVERIFY(QGuiApplication::isRightToLeft());
    TestProgram p;
    p.start();
    QCOMPARE(pictureShown(p), leftToRight);
    // The toolbar starts at the right edge; the picture fills the width.
    QCOMPARE(p.main().SpeedButton1->x(), 632 - 8 - 41);
    QCOMPARE(p.main().MainImage->x(), 632 - 1 - 630);
    // A small window's first button, made at the left, is at the right.
    const QWidget& confirm = *p.forms().newbox;
    const QPushButton* yes = control<QPushButton>(&confirm, "Button1");
    QCOMPARE(yes->x() + yes->width(), confirm.width() - 8);
}

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
