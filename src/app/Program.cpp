// The program's start-up: the application and its title, the screen-size rule, the main
// window, the message loop.
#include "AppTexts.h"
#include "Application.h"
#include "Main.h"
#include "QtDialogService.h"
#include "ScreenRule.h"
#include "TemporaryFiles.h"

#include <QScreen>
#include <QTimer>

namespace {

// Floating toolbars and drag outlines place windows where the user drags them, which a
// Wayland session does not let programs do: run through XWayland when there is one.
void preferX11() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char** argv) {
    TemporaryFiles::RemoveOnTermination();
    preferX11();
    TQtDialogService dialogs;
    TApplication application(argc, argv, dialogs);

    const QSize screen = QGuiApplication::primaryScreen()->size();
    if (ScreenTooSmall(screen.width(), screen.height())) {
        dialogs.ShowMessage({QString(), AppTexts::ScreenTooSmall, TMessageIcon::Error, TMessageButtons::Ok, nullptr});
        return 0;
    }

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    TForm1 form(dialogs, arguments);
    form.move(QGuiApplication::primaryScreen()->availableGeometry().center() - form.rect().center());
    form.show();
    if (qEnvironmentVariableIsSet("BRINDLEWICK_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
    return application.exec();
}
