#pragma once

#include "CampaignFiles.h"
#include "ProgramRun.h"
#include "TempFolder.h"
#include "XDriver.h"
#include "XServer.h"

#include <QSize>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// A test that runs the real editor in a real window: its own X server, the program with a
// home of its own, and a driver that works the mouse and keys. A failed test leaves a
// picture of the screen and prints the program's output.
class RealWindow : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the X server (once) and the program, without waiting for any window.
    void Launch(const QStringList& arguments = {}, const QStringList& environment = {},
                QSize screen = {1024, 768});
    // Starts the X server (once) and the program, and waits until its main window is up.
    void Start(const QStringList& arguments = {}, const QStringList& environment = {},
               QSize screen = {1024, 768});
    // The main window as it is now (its title names the campaign).
    TXWindow Main();
    // A point of the main window, from its top-left corner.
    QPoint At(QPoint inWindow);
    QPoint At(int x, int y) { return At(QPoint(x, y)); }

    // Waits for a window other than the main window, with this title; fails the test if
    // none comes.
    TXWindow WaitForWindow(const QString& title);
    // Waits until no window has this title any more.
    bool WaitGone(const QString& title);
    // A menu of the menu bar by its accelerator, then an item by its accelerator.
    void ChooseMenu(const QString& menuKey, const QString& itemKey);
    // Answers the file dialog with this title by typing the path into it.
    void AnswerFileDialog(const QString& title, const QString& path);
    // Waits for a window that is neither the main window nor a menu to take the focus.
    TXWindow WaitForFocusedWindow();
    // Answers the message box that is open by a key (its button's accelerator or Return).
    void AnswerMessage(const QString& key);
    // Waits until the main window's title names this file.
    bool WaitForCampaignTitle(const QString& fileName);
    // A picture of a rectangle of the main window, once it stopped changing.
    QImage WindowShot(const QRect& inWindow);
    // Open and Save As through the File menu and the real file dialogs.
    void OpenCampaign(const QString& path);
    void SaveCampaignAs(const QString& path);
    // Waits until the file holds a campaign that passes the check; returns its entries.
    std::vector<TSavedEntry>
    WaitForSaved(const QString& path,
                 const std::function<bool(const std::vector<TSavedEntry>&)>& check);
    // A left click on a row of the scenario list or on a toolbar button, then the pointer
    // goes to rest where it makes nothing hot.
    void ClickRow(int row);
    void ClickButton(QPoint inWindow);
    void Rest();
    // Runs a command that changes the scenario list and waits until the list shows it: a
    // click made sooner may reach the window while the command's dialog is still closing.
    void ChangeList(const std::function<void()>& command);
    // Makes a web browser of the desktop that only notes down what it was asked to open, one
    // line each; returns the path of its notes.
    QString InstallNotingBrowser();
    // Copies a sample file into the test's folder; returns the copy's path.
    QString Sample(const QString& name, const QString& as = {});

    TempFolder Folder;
    QString Home;
    QString Work;
    std::unique_ptr<TXServer> X;
    std::unique_ptr<TXDriver> Driver;
    std::unique_ptr<TProgramRun> Program;
};

// How long a loaded machine may need for a window to come or go.
inline const int WindowTimeout = qEnvironmentVariableIntValue("BRINDLEWICK_WINDOW_TIMEOUT") > 0
                                     ? qEnvironmentVariableIntValue("BRINDLEWICK_WINDOW_TIMEOUT")
                                     : 60000;

// Ends the test at once when a step of the way did not happen.
void Require(bool happened, const std::string& what);
