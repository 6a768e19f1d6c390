// The program's entry and its fixed order of start and end:
//   the run-time and the form layer (the application object),
//   the program's own modules: the probe (before any window), the engine binding last,
//   the setup dialog as main form and the message loop,
//   destruction of the forms (the setup dialog saves on its way out),
//   the module finalisations in reverse order.
#include <exception>
#include <windows.h>

#include "application.h"
#include "engine.h"
#include "errorbox.h"
#include "paths.h"
#include "probe.h"
#include "setupform.h"

namespace {

// An error before the message loop: shown, and the program ends with exit code 1.
int StartupFailed(const std::exception& error) {
    ui::ShowErrorBox(error.what());
    return 1;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        ui::Application app;
        const std::string programdir = GetProgramDir();

        InitProbe(programdir);
        InitEngineBinding(programdir);

        app.CreateForm(setupform, programdir);
        app.Run();

        FinalEngineBinding();
        FinalProbe();
    } catch (const std::exception& error) {
        return StartupFailed(error);
    }
    return 0;
}
