#include "core/scene.h"
#include "core/ui/Main.h"
#include "core/ui/application.h"
#include "core/ui/desktoplook.h"
#include "core/ui/language.h"
#include "core/ui/services.h"
#include "program/program.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

// Whether Qt has somewhere to show the windows: a desktop session, or a
// platform named on purpose (the tests name "offscreen"). Without, Qt
// aborts with advice to reinstall, which sends the user the wrong way.
bool haveDisplay(int argc, char** argv)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (!haveDisplay(argc, argv)) {
        std::fputs("veldor: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "Veldor needs a desktop session\n",
                   stderr);
        return 1;
    }
    // Whole device pixels per pixel, so that the picture's pixels stay
    // square and exact on every screen (150 % shows as 200 %).
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    veldor::preferDesktopDialogs();
    veldor::VeldorApplication app(argc, argv);
    veldor::followDesktopColourScheme(app);
    // Qt has taken its own options out; what is left is at most one scene
    // or image pack.
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::fputs("Usage: veldor [FILE.vdr | PACK.vpk]\n", stderr);
        return 2;
    }
    // Before any window exists, so that each is made in the user's language.
    const QString translations = veldor::translationsFolder();
    veldor::installLanguage(app,
                            veldor::chooseLanguage(veldor::LanguageEnvironment::fromProcess(),
                                                   veldor::availableLanguages(translations)),
                            translations);
    veldor::QtUiServices services;
    app.setServices(&services);
    veldor::VeldorProgram program(services);
    veldor::TMainForm& mainForm = *program.forms().MainForm;
    // Made absolute now: the name is relative to the folder the user typed
    // it in, and the file dialogs may change the current directory later.
    if (argc == 2) {
        std::error_code ec;
        const std::filesystem::path scene = std::filesystem::absolute(argv[1], ec);
        mainForm.openAfterStart(ec ? std::string(argv[1]) : scene.string());
    }
    app.onTerminationSignals([&mainForm] { mainForm.endOnSignal(); });
    mainForm.show();
    const int result = app.exec();
    app.setServices(nullptr);
    if (mainForm.started() && !mainForm.filesFound()) {
        // The beep alone leaves a terminal user guessing.
        std::string names;
        for (const std::string& name : mainForm.missingFiles())
            names += (names.empty() ? "" : ", ") + name;
        std::fprintf(stderr, "veldor: %s not found in %s; start Veldor from the folder with its pictures\n",
                     names.c_str(), program.scene().appDir.c_str());
        return 1;
    }
    return result;
}
