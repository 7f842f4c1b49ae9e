// The program start: one main window and the event loop.
#include <QApplication>

#include "ui/app/AppIdentity.h"
#include "ui/main/MPK_PAS_KELD1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    rokal::ApplyApplicationIdentity(app);

    TMPK_FRM_KELD1 window;
    TMPK_FRM_KELD1::SetMainWindow(&window);
    window.show();
    return app.exec();
}
