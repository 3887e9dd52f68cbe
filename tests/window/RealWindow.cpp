#include "RealWindow.h"

#include "AppTexts.h"
#include "WindowMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <iostream>

void Require(bool happened, const std::string& what) {
    if (!happened)
        throw std::runtime_error(what);
}

void RealWindow::SetUp() {
    Home = Folder.makeFolder(QStringLiteral("home"));
    Work = Folder.makeFolder(QStringLiteral("work"));
}

void RealWindow::TearDown() {
    // A sanitizer's report in the program fails the test, whatever the window showed.
    if (Program) {
        const QString output = Program->Output();
        if (output.contains(QStringLiteral("Sanitizer")) ||
            output.contains(QStringLiteral("runtime error:")))
            ADD_FAILURE() << "the program reported an error";
    }
    if (!HasFailure())
        return;
    const QString picture =
        QDir(QStringLiteral(BRINDLEWICK_FAILED_SHOTS_DIR))
            .filePath(QString::fromLatin1(
                          ::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                      QStringLiteral(".png"));
    QDir().mkpath(QStringLiteral(BRINDLEWICK_FAILED_SHOTS_DIR));
    if (Driver) {
        Driver->SaveShot(picture);
        std::cerr << "screen saved to " << picture.toStdString() << "\n";
        for (const TXWindow& window : Driver->Windows())
            std::cerr << "window " << window.Title.toStdString() << " " << window.Geometry.x()
                      << "," << window.Geometry.y() << " " << window.Geometry.width() << "x"
                      << window.Geometry.height() << (window.Popup ? " popup" : "") << "\n";
    }
    if (Program)
        std::cerr << "program output:\n" << Program->Output().toStdString() << "\n";
}

void RealWindow::Launch(const QStringList& arguments, const QStringList& environment,
                        QSize screen) {
    if (!X) {
        X = std::make_unique<TXServer>(screen.width(), screen.height());
        Driver = std::make_unique<TXDriver>(X->Display());
    }
    Program = std::make_unique<TProgramRun>(X->Display(), Home, arguments, environment);
}

void RealWindow::Start(const QStringList& arguments, const QStringList& environment, QSize screen) {
    Launch(arguments, environment, screen);
    Require(Driver->WaitUntil(
                [this] {
                    return Driver->WindowTitleContaining(AppTexts::ApplicationTitle).has_value();
                },
                WindowTimeout),
            "the main window did not show");
    // The window is centred once it is up; take its place from then on.
    Driver->SettledShot(Main().Geometry, 400);
}

TXWindow RealWindow::Main() {
    const auto windows = Driver->Windows();
    for (const TXWindow& window : windows)
        if (!window.Popup &&
            window.Title.startsWith(AppTexts::ApplicationTitle + QStringLiteral(" - ")))
            return window;
    ADD_FAILURE() << "no main window";
    return {};
}

QPoint RealWindow::At(QPoint inWindow) {
    return Main().Geometry.topLeft() + inWindow;
}

TXWindow RealWindow::WaitForWindow(const QString& title) {
    std::optional<TXWindow> found;
    const bool shown = Driver->WaitUntil(
        [&] {
            found = Driver->WindowTitled(title);
            return found.has_value();
        },
        WindowTimeout);
    Require(shown, "no window titled " + title.toStdString());
    // Give it the moment a person needs to see it: until it has drawn itself.
    if (found)
        Driver->SettledShot(found->Geometry, 250);
    return found.value_or(TXWindow{});
}

bool RealWindow::WaitGone(const QString& title) {
    return Driver->WaitUntil([&] { return !Driver->WindowTitled(title).has_value(); },
                             WindowTimeout);
}

void RealWindow::ChooseMenu(const QString& menuKey, const QString& itemKey) {
    // Without the keyboard focus a person first clicks the window (on its status bar).
    if (Driver->FocusWindow() != Main().Id) {
        Driver->Click(At(WindowMap::Resting));
        Driver->WaitUntil([this] { return Driver->FocusWindow() == Main().Id; }, WindowTimeout);
        Driver->SettledShot(Main().Geometry, 200);
    }
    Driver->Key(QStringLiteral("alt+") + menuKey);
    Require(Driver->WaitUntil([this] { return Driver->TopPopup().has_value(); }, WindowTimeout),
            "the menu " + menuKey.toStdString() + " did not open; the focus is on " +
                std::to_string(Driver->FocusWindow()) + " " +
                Driver->Title(Driver->FocusWindow()).toStdString() + " main " +
                std::to_string(Main().Id));
    Driver->SettledShot(Driver->TopPopup()->Geometry, 150);
    Driver->Key(itemKey);
    Require(Driver->WaitUntil([this] { return !Driver->TopPopup().has_value(); }, WindowTimeout),
            "the menu did not close");
}

void RealWindow::AnswerFileDialog(const QString& title, const QString& path) {
    const TXWindow dialog = WaitForWindow(title);
    Require(Driver->WaitUntil([&] { return Driver->FocusWindow() == dialog.Id; }, WindowTimeout),
            "the file dialog did not take the focus");
    // The file name box has the focus when the dialog opens.
    Driver->Key(QStringLiteral("ctrl+a"));
    Driver->Type(path);
    Driver->Key(QStringLiteral("Return"));
    Require(WaitGone(title), "the file dialog stayed open");
}

TXWindow RealWindow::WaitForFocusedWindow() {
    std::optional<TXWindow> box;
    Require(Driver->WaitUntil(
                [&] {
                    for (const TXWindow& window : Driver->Windows())
                        if (!window.Popup &&
                            !window.Title.startsWith(AppTexts::ApplicationTitle +
                                                     QStringLiteral(" - ")) &&
                            window.Geometry.width() > 40)
                            box = window;
                    return box && Driver->FocusWindow() == box->Id;
                },
                WindowTimeout),
            "no message box took the focus");
    Driver->SettledShot(box->Geometry, 250);
    return *box;
}

void RealWindow::AnswerMessage(const QString& key) {
    const unsigned long id = WaitForFocusedWindow().Id;
    Driver->Key(key);
    Require(Driver->WaitUntil(
                [&] {
                    for (const TXWindow& window : Driver->Windows())
                        if (window.Id == id)
                            return false;
                    return true;
                },
                WindowTimeout),
            "the message box stayed open");
}

bool RealWindow::WaitForCampaignTitle(const QString& fileName) {
    const QString title = AppTexts::WindowTitleFor(fileName);
    return Driver->WaitUntil([&] { return Main().Title == title; }, WindowTimeout);
}

QImage RealWindow::WindowShot(const QRect& inWindow) {
    return Driver->SettledShot(inWindow.translated(Main().Geometry.topLeft()));
}

QString RealWindow::InstallNotingBrowser() {
    const auto writeFile = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        Require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(),
                "cannot write " + path.toStdString());
    };
    const QString notes = QDir(Work).filePath(QStringLiteral("browser-notes"));
    const QString script = QDir(Work).filePath(QStringLiteral("browser.sh"));
    writeFile(script, "#!/bin/sh\necho \"$@\" >> '" + notes.toUtf8() + "'\n");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir(Home).mkpath(QStringLiteral(".local/share/applications"));
    QDir(Home).mkpath(QStringLiteral(".config"));
    writeFile(QDir(Home).filePath(QStringLiteral(".local/share/applications/noting.desktop")),
              "[Desktop Entry]\nType=Application\nName=Noting\nExec=" + script.toUtf8() + " %u\n");
    writeFile(QDir(Home).filePath(QStringLiteral(".config/mimeapps.list")),
              "[Default Applications]\ntext/html=noting.desktop\n"
              "x-scheme-handler/http=noting.desktop\n"
              "x-scheme-handler/https=noting.desktop\n");
    return notes;
}

QString RealWindow::Sample(const QString& name, const QString& as) {
    const QString copy = QDir(Work).filePath(as.isEmpty() ? QFileInfo(name).fileName() : as);
    QFile::remove(copy);
    QFile::copy(QStringLiteral(BRINDLEWICK_TEST_DATA_DIR "/") + name, copy);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    return copy;
}

void RealWindow::OpenCampaign(const QString& path) {
    ChooseMenu(QStringLiteral("f"), QStringLiteral("o"));
    AnswerFileDialog(QStringLiteral("Open"), path);
    Require(WaitForCampaignTitle(QFileInfo(path).fileName()),
            "the title does not name " + path.toStdString());
}

void RealWindow::SaveCampaignAs(const QString& path) {
    ChooseMenu(QStringLiteral("f"), QStringLiteral("a"));
    AnswerFileDialog(QStringLiteral("Save As"), path);
    Require(WaitForCampaignTitle(QFileInfo(path).fileName()),
            "the title does not name " + path.toStdString());
}

std::vector<TSavedEntry>
RealWindow::WaitForSaved(const QString& path,
                         const std::function<bool(const std::vector<TSavedEntry>&)>& check) {
    std::optional<std::vector<TSavedEntry>> entries;
    const bool saved = Driver->WaitUntil(
        [&] {
            entries = ReadCampaignFile(path);
            return entries && check(*entries);
        },
        WindowTimeout);
    Require(saved, "the campaign file never held what was expected: " +
                       (entries ? std::to_string(entries->size()) + " entries"
                                : std::string("not a campaign")));
    return entries.value_or(std::vector<TSavedEntry>{});
}

void RealWindow::ClickRow(int row) {
    Driver->Click(At(WindowMap::ScenarioRow(row)));
    Rest();
}

void RealWindow::ClickButton(QPoint inWindow) {
    Driver->Click(At(inWindow));
    Rest();
}

void RealWindow::Rest() {
    Driver->MoveTo(At(WindowMap::Resting));
}

void RealWindow::ChangeList(const std::function<void()>& command) {
    const QImage before = WindowShot(WindowMap::ScenarioRows);
    command();
    Require(Driver->WaitUntil([&] { return WindowShot(WindowMap::ScenarioRows) != before; },
                              WindowTimeout),
            "the scenario list did not change");
}
