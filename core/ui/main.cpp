#include "core/ui/Main.h"
#include "core/ui/application.h"
#include "core/ui/program.h"
#include "core/ui/services.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // Whole device pixels per pixel, so that the picture's pixels stay
    // square and exact on every screen (150 % shows as 200 %).
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    veldor::VeldorApplication app(argc, argv);
    veldor::QtUiServices services;
    app.setServices(&services);
    veldor::VeldorProgram program(services);
    program.forms().MainForm->show();
    const int result = app.exec();
    app.setServices(nullptr);
    return result;
}
