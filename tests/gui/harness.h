#pragma once
// Shared set-up of the window tests: fake platform services that record
// what the windows asked for, a temporary copy of the application folder
// made current, and the whole program built on both.
#include "core/renderer.h"
#include "core/ui/Main.h"
#include "program/program.h"
#include "core/ui/services.h"
#include "platform/bmp.h"
#include "platform/surface.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QPaintEngine>
#include <QPrinter>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace veldor::test {

// Answers every dialog from queues the test fills; an empty queue answers
// "cancelled". Every request is recorded.
// Set by a test that runs a print system of its own and points the
// print system's clients at it.
inline bool ownPrintSystem = false;

class FakeServices : public UiServices {
public:
    FakeServices()
    {
        // Wherever the tests run, no job of theirs reaches a printer of the
        // machine: the print system they ask is never there.
        if (!ownPrintSystem)
            qputenv("CUPS_SERVER", QDir::temp().filePath(QStringLiteral("veldor-test-no-print-system.sock")).toLocal8Bit());
    }

    int beeps = 0;
    QStringList errors;
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::deque<std::optional<QString>> openAnswers, saveAnswers;
    std::vector<QColor> colorRequests;
    std::deque<std::optional<QColor>> colorAnswers;
    // "Save the changes first?": asked this many times; an empty queue
    // answers Discard, so that tests about other things may close freely.
    int saveQuestions = 0;
    std::deque<SaveAnswer> saveQuestionAnswers;
    // "Restore the unsaved work?": the names asked about; an empty queue
    // answers Discard.
    QStringList restoreQuestions;
    std::deque<RestoreAnswer> restoreAnswers;
    // The recovery copies go here, never into the user's own state folder;
    // a test of a restart gives both programs the same one.
    QTemporaryDir stateFolder;
    QString recoveryPath = stateFolder.path();
    int printerSetups = 0;
    // What the user does in the printer set-up dialog, which changes the
    // printer as it goes: by default nothing, then OK.
    std::function<bool(QPrinter&)> printerSetupDialog = [](QPrinter&) { return true; };
    // Prints go to this PDF file, as "Print to File" chosen at start.
    QString printFile;
    // The printers of the print system instead, as the program starts.
    bool systemPrinters = false;
    // Called as each print job starts, before its page is drawn.
    std::function<void(QPrinter&)> onPrintJob;

    void beep() override { ++beeps; }
    void showError(const QString& text) override { errors << text; }
    std::optional<QString> openFileName(const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return next(openAnswers);
    }
    std::optional<QString> saveFileName(const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return next(saveAnswers);
    }
    std::optional<QColor> chooseColor(QColor initial) override
    {
        colorRequests.push_back(initial);
        return next(colorAnswers);
    }
    SaveAnswer askToSave() override
    {
        ++saveQuestions;
        if (saveQuestionAnswers.empty())
            return SaveAnswer::Discard;
        const SaveAnswer answer = saveQuestionAnswers.front();
        saveQuestionAnswers.pop_front();
        return answer;
    }
    RestoreAnswer askToRestore(const QString& fileName) override
    {
        restoreQuestions << fileName;
        if (restoreAnswers.empty())
            return RestoreAnswer::Discard;
        const RestoreAnswer answer = restoreAnswers.front();
        restoreAnswers.pop_front();
        return answer;
    }
    std::string recoveryFolder() override { return recoveryPath.toStdString(); }
    bool printerSetup(QPrinter& printer) override
    {
        ++printerSetups;
        return printerSetupDialog(printer);
    }
    QPrinter& printer() override
    {
        if (!printer_) {
            printer_ = std::make_unique<JobPrinter>(*this);
            if (systemPrinters)
                return *printer_;
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(printFile.isEmpty() ? QDir::temp().filePath("veldor-test.pdf")
                                                            : printFile);
        }
        return *printer_;
    }

private:
    // Sees each job start: QPainter::begin asks the device for its engine.
    class JobPrinter : public QPrinter {
    public:
        explicit JobPrinter(FakeServices& owner) : QPrinter(QPrinter::HighResolution), owner_(owner) {}
        QPaintEngine* paintEngine() const override
        {
            if (!QPrinter::paintEngine()->isActive())
                owner_.jobStarting(const_cast<JobPrinter&>(*this));
            return QPrinter::paintEngine();
        }

    private:
        FakeServices& owner_;
    };

    void jobStarting(QPrinter& printer)
    {
        if (onPrintJob)
            onPrintJob(printer);
    }

    template <class T>
    static std::optional<T> next(std::deque<std::optional<T>>& answers)
    {
        std::optional<T> answer;
        if (!answers.empty()) {
            answer.swap(answers.front());
            answers.pop_front();
        }
        return answer;
    }
    std::unique_ptr<QPrinter> printer_;
};

// A temporary copy of the built application folder, made the current
// directory for the object's lifetime. Files of the start-up check that the
// build has not generated are stood in for by small pictures, and the
// program file by an empty file, so the folder always passes the check
// unless a test removes a file.
class TempAppDir {
public:
    explicit TempAppDir(const QStringList& omit = {})
        : previous_(QDir::currentPath())
    {
        QVERIFY2(dir_.isValid(), "no temporary folder");
        copyTree(QStringLiteral(VELDOR_TEST_APP_DIR), dir_.path());
        for (const char* name : kStartupFiles) {
            const QString file = path(QString::fromLatin1(name));
            if (QFile::exists(file))
                continue;
            if (QString::fromLatin1(name) == QLatin1String("veldor")) {
                QFile f(file);
                f.open(QIODevice::WriteOnly);
            } else {
                saveBmpFile(standInPicture(qHash(QString::fromLatin1(name))), file.toStdString());
            }
        }
        // The empty ground that every rendering without a ground draws.
        if (!QFile::exists(path(QStringLiteral("none.bmp"))))
            saveBmpFile(Surface(630, 340, kWhite), path(QStringLiteral("none.bmp")).toStdString());
        for (const QString& name : omit)
            QFile::remove(path(name));
        QDir::setCurrent(dir_.path());
    }
    ~TempAppDir() { QDir::setCurrent(previous_); }
    TempAppDir(const TempAppDir&) = delete;
    TempAppDir& operator=(const TempAppDir&) = delete;

    QString path() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    // A 630x340 picture of stripes; `seed` tells pictures apart.
    static Surface standInPicture(unsigned seed)
    {
        Surface s(630, 340);
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                s.setPixel(x, y, Color((x * 3 + seed) & 0xFF) | Color(((y * 5) & 0xFF) << 8)
                                     | Color(((x ^ y ^ seed) & 0xFF) << 16));
        return s;
    }

private:
    // The library's hundreds of packs stay out: copying them for every test
    // would cost more than the tests, and none of these tests reads them.
    static void copyTree(const QString& from, const QString& to)
    {
        static const QSet<QString> library = [] {
            QFile list(QStringLiteral(VELDOR_TEST_BINARY_DIR "/gen/library.list"));
            QSet<QString> names;
            if (list.open(QIODevice::ReadOnly))
                for (const QByteArray& line : list.readAll().split('\n'))
                    names.insert(QString::fromUtf8(line));
            return names;
        }();
        const QDir source(from);
        QDir().mkpath(to);
        for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString target = QDir(to).filePath(entry.fileName());
            if (entry.isDir())
                copyTree(entry.filePath(), target);
            else if (!(source.dirName() == QLatin1String("packs") && library.contains(entry.fileName())))
                QFile::copy(entry.filePath(), target);
        }
    }

    QString previous_;
    QTemporaryDir dir_;
};

// The control of `window` named `name`: the windows keep their controls to
// themselves, so a test finds them as Qt's own tests do. A name that is not
// there ends the test run, naming it.
template <class Control = QWidget>
Control* control(const QWidget* window, const char* name)
{
    auto* found = window->findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no control %s", window->metaObject()->className(), name);
    return found;
}

// The whole program in a fresh application folder with fake services.
// Construct one per test (in the test function, not in initTestCase) so that
// no state leaks between tests.
struct TestProgram {
    explicit TestProgram(const QStringList& omit = {}) : appDir(omit), program(services) {}

    // Shows the main window and runs its first activation, as start-up does
    // (by hand where the platform does not activate windows).
    void start()
    {
        main().show();
        QCoreApplication::processEvents();
        if (!main().started())
            main().FormActivate();
    }

    TMainForm& main() { return *program.forms().MainForm; }
    SceneState& scene() { return program.scene(); }
    Session& session() { return program.session(); }
    Forms& forms() { return program.forms(); }

    FakeServices services;
    TempAppDir appDir;
    VeldorProgram program;
};

} // namespace veldor::test
