#include "EditorCodePage.h"

#include "CampaignError.h"
#include "CodePageChoice.h"

#include <QtGlobal>

std::string EditorCodePage() {
    try {
        return UserCodePage([](const std::string& warning) { qWarning("%s", warning.c_str()); });
    } catch (const ECampaignError& error) {
        qWarning("%s; using %s", error.what(), LocaleCodePage().c_str());
        return LocaleCodePage();
    }
}
