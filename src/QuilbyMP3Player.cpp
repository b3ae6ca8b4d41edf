// The program's entry: the single-instance guard decides whether this copy
// runs; then the application object, the main window and the event loop.

#include <csignal>

#include "app/InstanceManager.h"
#include "app/Unit1.h"
#include "vcl/Application.h"
#include "vcl/Params.h"

int main(int argc, char** argv) {
    // A file-size limit makes a write fail with an error the user sees, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    vcl::SetCmdLine(vcl::BuildCommandLine(argc, argv));
    if (!InstanceManager::Startup(argc, argv)) return 0;
    int exitCode = 0;
    {
        vcl::TApplication application(argc, argv);
        application.Title = "Quilby MP3 Player";
        TForm1 form;
        application.MainForm = &form;
        InstanceManager::Listen();
        exitCode = application.Run();
        InstanceManager::Finish();
        application.MainForm = nullptr;
    }
    return exitCode;
}
