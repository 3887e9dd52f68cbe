#include "WebLinks.h"

#include "AppTexts.h"
#include "GoToWeb.h"
#include "PlatformError.h"

namespace {

void requireStarted(bool started, const TGoToWeb& launcher, const QString& address) {
    if (started)
        return;
    const QString program = launcher.GetBrowser().ProgramPath;
    throw EPlatformError(program.isEmpty() ? AppTexts::NoWebBrowser().arg(address)
                                           : AppTexts::WebBrowserNotStarted().arg(program));
}

} // namespace

void OpenWebLink(const TGoToWeb& launcher) {
    requireStarted(launcher.GoToUrl(), launcher, launcher.Url);
}

void OpenMailLink(const TGoToWeb& launcher) {
    requireStarted(launcher.GoToMail(), launcher, QStringLiteral("mailto:") + launcher.EMail);
}
