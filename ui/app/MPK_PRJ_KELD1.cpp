// The program start: one main window and the event loop.
#include <QApplication>
#include <QLocale>
#include <iostream>

#include "ui/app/AppIdentity.h"
#include "ui/app/CommandLine.h"
#include "ui/app/QtTranslations.h"
#include "ui/main/MPK_PAS_KELD1.h"
#include "ui/platform/CommandLineFile.h"
#include "ui/platform/Console.h"
#include "ui/platform/UiFont.h"

int main(int argc, char* argv[]) {
    // --help and --version answer before Qt looks for a display.
    const rokal::AppCommandLine command = rokal::ReadAppCommandLine(argc, argv);
    if (command.action != rokal::AppCommandLine::Action::Run) {
        rokal::UseParentConsole();
    }
    if (const std::optional<int> status =
            rokal::AnswerWithoutWindow(command, std::cout, std::cerr)) {
        return *status;
    }

    QApplication app(argc, argv);
    rokal::ApplyApplicationIdentity(app);
    rokal::InstallQtTranslations(app, QLocale::system());
    rokal::ApplyPlatformUiFont();

    TMPK_FRM_KELD1 window;
    TMPK_FRM_KELD1::SetMainWindow(&window);
    window.show();
    if (command.file) {
        // A schedule named on the command line, as a file manager passes it: its
        // name byte for byte, as rokal-cli takes it.
        window.OpenScheduleWindow(rokal::CommandLineFilePath(*command.file));
    }
    return app.exec();
}
