#include "core/ui/Main.h"
#include "core/ui/application.h"
#include "core/ui/program.h"
#include "core/ui/services.h"

int main(int argc, char** argv)
{
    veldor::VeldorApplication app(argc, argv);
    veldor::QtUiServices services;
    app.setServices(&services);
    veldor::VeldorProgram program(services);
    program.forms().MainForm->show();
    const int result = app.exec();
    app.setServices(nullptr);
    return result;
}
