#pragma once

#include <QCoreApplication>
#include <QString>

// The program's own texts, used exactly as they stand in English and translated for the
// user's language when the text is read, after the translation is loaded.
namespace AppTexts {

inline const QString ApplicationTitle = QStringLiteral("Quorvane & Meltharn Brindlewick");
inline QString UntitledFileName() {
    //: The file name a new campaign has until it is saved; keep the .cpn extension.
    return QCoreApplication::translate("AppTexts", "Untitled.cpn");
}

inline QString WindowTitleFor(const QString& fileName) {
    return ApplicationTitle + QStringLiteral(" - ") + fileName;
}

inline QString ScreenTooSmall() {
    return QCoreApplication::translate(
        "AppTexts",
        "Quorvane & Meltharn Brindlewick will only run on a screen size of 800 x 600 or greater.");
}
inline QString SaveQuestion() {
    return QCoreApplication::translate("AppTexts",
                                       "Do you want to save any changes to the current Campaign?");
}

// Pairs of a description and its pattern, split by "|": only the descriptions are translated.
inline QString CampaignFilter() {
    //: Translate the descriptions only; keep every "|" and pattern as it is.
    return QCoreApplication::translate("AppTexts", "Campaigns|*.cpn|Expansion Campaigns|*.cpx");
}
inline QString ScenarioFilter() {
    //: Translate the descriptions only; keep every "|" and pattern as it is.
    return QCoreApplication::translate("AppTexts", "Scenarios|*.scn|Expansion Scenarios|*.scx");
}

inline QString ReplaceScenarioTitle() {
    return QCoreApplication::translate("AppTexts", "Replace Scenario With...");
}
inline QString InsertScenarioTitle() {
    return QCoreApplication::translate("AppTexts", "Insert Scenario...");
}
inline QString ExtractScenarioTitle() {
    return QCoreApplication::translate("AppTexts", "Save Scenario As...");
}
inline QString SaveAllTitle() {
    return QCoreApplication::translate("AppTexts", "Save All to Folder");
}
inline QString SaveAllProgressTitle() {
    return QCoreApplication::translate("AppTexts", "Saving Scenarios");
}
inline QString SaveAllProgress() {
    return QCoreApplication::translate("AppTexts", "Saving the scenarios...");
}
// How many of the files Save All would write are in the folder already, of how many, where.
inline QString SaveAllOneExists() {
    return QCoreApplication::translate("AppTexts",
                                       "%1 of the %2 scenario files already exists in %3.\n\n"
                                       "Replace it, or skip it and save the others?");
}
inline QString SaveAllSomeExist() {
    return QCoreApplication::translate("AppTexts",
                                       "%1 of the %2 scenario files already exist in %3.\n\n"
                                       "Replace them, or skip them and save the others?");
}

// Where players reach the program's makers.
inline const QString ContactAddress = QStringLiteral("brindlewick@users.noreply.github.com");
// The pages behind the Help menu's two web links.
inline const QString QuorvaneSite =
    QStringLiteral("https://github.com/brindlewick/brindlewick/wiki/Quorvane");
inline const QString MeltharnSite =
    QStringLiteral("https://github.com/brindlewick/brindlewick/wiki/Meltharn");
// When a web or mail link finds no browser to open it, or the browser does not start.
inline QString NoWebBrowser() {
    return QCoreApplication::translate("AppTexts", "No web browser is set up to open %1");
}
inline QString WebBrowserNotStarted() {
    return QCoreApplication::translate("AppTexts", "Cannot start the web browser %1");
}

} // namespace AppTexts
