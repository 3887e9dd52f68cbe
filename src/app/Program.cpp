// brindlewick: the campaign editor.
#include "QtDialogService.h"
#include "Startup.h"
#include "TemporaryFiles.h"

#include <QByteArray>

namespace {

// Floating toolbars and drag outlines place windows where the user drags them, which a
// Wayland session does not let programs do: run through XWayland when there is one.
void preferX11() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char** argv) {
    TemporaryFiles::RemoveOnTermination();
    preferX11();
    TQtDialogService dialogs;
    return RunProgram(argc, argv, dialogs);
}
