#include "Startup.h"

#include "AppTexts.h"
#include "Application.h"
#include "Main.h"
#include "ProgramTranslation.h"
#include "ScreenPlacement.h"
#include "ScreenRule.h"
#include "ShellControls.h"
#include "UiLanguage.h"

#include <QScreen>
#include <QTimer>

int RunProgram(int argc, char** argv, TDialogService& dialogs) {
    TApplication application(argc, argv, dialogs);
    const TProgramTranslation translation(UserUiLanguage(AvailableTranslations()));

    const QSize screen = ScreenPixels(*QGuiApplication::primaryScreen());
    if (ScreenTooSmall(screen.width(), screen.height())) {
        dialogs.ShowMessage({QString(), AppTexts::ScreenTooSmall(), TMessageIcon::Error,
                             TMessageButtons::Ok, nullptr});
        return 0;
    }

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    int result = 0;
    {
        TForm1 form(dialogs, arguments);
        application.chromeContext().attachTo(&form);
        form.show();
        // Centred on the screen with its frame, as far as the window system has framed it.
        const QRect frame = form.frameGeometry();
        form.move(form.pos() + QGuiApplication::primaryScreen()->geometry().center() -
                  frame.center());
        // For start-up timing: the run ends as soon as the window is up.
        if (qEnvironmentVariableIsSet("BRINDLEWICK_QUIT_WHEN_SHOWN"))
            QTimer::singleShot(0, &application, [] { QCoreApplication::exit(0); });
        result = application.exec();
    }
    // Every folder record of the explorer is gone with the window; one left over is a fault
    // worth reporting.
    try {
        CheckFolderDataLeaks();
    } catch (const std::exception& leak) {
        application.ShowError(QString::fromStdString(leak.what()));
    }
    return result;
}
