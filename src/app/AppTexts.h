#pragma once

#include <QString>

// The program's own texts, used exactly as they stand.
namespace AppTexts {

inline const QString ApplicationTitle = QStringLiteral("Quorvane & Meltharn Brindlewick");
inline const QString UntitledFileName = QStringLiteral("Untitled.cpn");

inline QString WindowTitleFor(const QString& fileName) {
    return ApplicationTitle + QStringLiteral(" - ") + fileName;
}

inline const QString ScreenTooSmall = QStringLiteral(
    "Quorvane & Meltharn Brindlewick will only run on a screen size of 800 x 600 or greater.");
inline const QString SaveQuestion =
    QStringLiteral("Do you want to save any changes to the current Campaign?");

inline const QString CampaignFilter = QStringLiteral("Campaigns|*.cpn|Expansion Campaigns|*.cpx");
inline const QString ScenarioFilter = QStringLiteral("Scenarios|*.scn|Expansion Scenarios|*.scx");

inline const QString ReplaceScenarioTitle = QStringLiteral("Replace Scenario With...");
inline const QString InsertScenarioTitle = QStringLiteral("Insert Scenario...");
inline const QString ExtractScenarioTitle = QStringLiteral("Save Scenario As...");
inline const QString SaveAllTitle = QStringLiteral("Save All to Folder");
inline const QString SaveAllProgressTitle = QStringLiteral("Saving Scenarios");
inline const QString SaveAllProgress = QStringLiteral("Saving the scenarios...");
// How many of the files Save All would write are in the folder already, of how many, where.
inline const QString SaveAllOneExists =
    QStringLiteral("%1 of the %2 scenario files already exists in %3.\n\n"
                   "Replace it, or skip it and save the others?");
inline const QString SaveAllSomeExist =
    QStringLiteral("%1 of the %2 scenario files already exist in %3.\n\n"
                   "Replace them, or skip them and save the others?");

// Where players reach the program's makers.
inline const QString ContactAddress = QStringLiteral("brindlewick@users.noreply.github.com");
// The pages behind the Help menu's two web links.
inline const QString QuorvaneSite =
    QStringLiteral("https://github.com/brindlewick/brindlewick/wiki/Quorvane");
inline const QString MeltharnSite =
    QStringLiteral("https://github.com/brindlewick/brindlewick/wiki/Meltharn");
// When a web or mail link finds no browser to open it, or the browser does not start.
inline const QString NoWebBrowser = QStringLiteral("No web browser is set up to open %1");
inline const QString WebBrowserNotStarted = QStringLiteral("Cannot start the web browser %1");

} // namespace AppTexts
