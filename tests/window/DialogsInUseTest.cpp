// The Options and About dialogs, help and the screen rule, in a real window.
#include "AppTexts.h"
#include "RealWindow.h"

#include <QDir>
#include <QFile>

namespace {

const QString HelpTitle = AppTexts::ApplicationTitle + QStringLiteral(" Help");

bool centredOnScreen(const TXWindow& window, const QRect& screen) {
    const QPoint offset = window.Geometry.center() - screen.center();
    return std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1;
}

class DialogsInUse : public RealWindow {};

TEST_F(DialogsInUse, HelpFromOptionsCanBeUsedWhileOptionsIsOpen) {
    Start();
    ChooseMenu(QStringLiteral("v"), QStringLiteral("o"));
    const TXWindow options = WaitForWindow(QStringLiteral("Options"));
    Driver->Click(options.Geometry.topLeft() + QPoint(352 + 37, 440 + 12));
    const TXWindow help = WaitForWindow(HelpTitle);

    Driver->Click(help.Geometry.center());
    EXPECT_TRUE(Driver->WaitUntil([&] { return Driver->FocusWindow() == help.Id; }, 20000))
        << "the help viewer cannot take the focus";
    // The manual scrolls: the viewer takes keys while Options stays open.
    const QImage before = Driver->SettledShot(help.Geometry);
    Driver->Key(QStringLiteral("Next"));
    EXPECT_TRUE(Driver->WaitUntil([&] { return Driver->Shot(help.Geometry) != before; }, 20000))
        << "the help viewer ignores its keys";
    const auto windows = Driver->Windows();
    const auto stackPlace = [&](unsigned long id) {
        return std::find_if(windows.begin(), windows.end(),
                            [id](const TXWindow& window) { return window.Id == id; }) -
               windows.begin();
    };
    EXPECT_GT(stackPlace(help.Id), stackPlace(options.Id)) << "the help lies behind Options";
    EXPECT_TRUE(Driver->WindowTitled(QStringLiteral("Options"))) << "Options closed";
}

TEST_F(DialogsInUse, OptionsAndAboutAreCentredOnTheScreen) {
    Start();
    const QRect screen = Driver->ScreenRect();
    Driver->MoveWindow(Main().Id, QPoint(10, 10));
    ASSERT_TRUE(Driver->WaitUntil([this] { return Main().Geometry.topLeft() == QPoint(10, 10); }));
    Driver->SettledShot(Main().Geometry);

    ChooseMenu(QStringLiteral("v"), QStringLiteral("o"));
    const TXWindow options = WaitForWindow(QStringLiteral("Options"));
    EXPECT_EQ(options.Geometry.size(), QSize(433, 473));
    EXPECT_TRUE(centredOnScreen(options, screen));
    Driver->Click(options.Geometry.topLeft() + QPoint(272 + 37, 440 + 12));
    ASSERT_TRUE(WaitGone(QStringLiteral("Options")));

    ChooseMenu(QStringLiteral("h"), QStringLiteral("a"));
    const TXWindow about = WaitForWindow(QStringLiteral("About..."));
    EXPECT_EQ(about.Geometry.size(), QSize(377, 257));
    EXPECT_TRUE(centredOnScreen(about, screen));
    Driver->Click(about.Geometry.topLeft() + QPoint(288 + 37, 224 + 12));
    EXPECT_TRUE(WaitGone(QStringLiteral("About...")));
}

TEST_F(DialogsInUse, TheMailLinkOpensOnlyOnAClickOnIt) {
    const QString notes = InstallNotingBrowser();
    Start();
    ChooseMenu(QStringLiteral("h"), QStringLiteral("a"));
    const TXWindow about = WaitForWindow(QStringLiteral("About..."));
    const QPoint envelope = about.Geometry.topLeft() + QPoint(56 + 11, 152 + 7);
    const QPoint address = about.Geometry.topLeft() + QPoint(84 + 20, 152 + 6);
    const QPoint background = about.Geometry.topLeft() + QPoint(330, 140);

    // Pressed on the link, released away from it: a change of mind, not a click.
    Driver->Drag(envelope, background);
    Driver->Drag(address, background);
    EXPECT_FALSE(Driver->WaitUntil([&] { return QFile::exists(notes); }, 3000))
        << "a release outside the link opened the mail";

    Driver->Click(address);
    ASSERT_TRUE(Driver->WaitUntil([&] { return QFile::exists(notes); }, 30000))
        << "a click on the address opened nothing";
    Driver->Click(envelope);
    ASSERT_TRUE(Driver->WaitUntil([&] { return FileBytes(notes).count('\n') >= 2; }, 30000))
        << "a click on the envelope opened nothing";
    EXPECT_TRUE(FileBytes(notes).startsWith("mailto:"));
}

TEST_F(DialogsInUse, AScaledScreenIsMeasuredInItsRealPixels) {
    // 1024 x 768 pixels shown at twice the size: 512 x 384 in scaled units.
    Start({}, {QStringLiteral("QT_SCALE_FACTOR=2")});
    EXPECT_TRUE(Program->Running());
}

TEST_F(DialogsInUse, ATooSmallScreenIsRefused) {
    Launch({}, {}, QSize(640, 480));
    const TXWindow box = WaitForFocusedWindow();
    EXPECT_EQ(box.Title, QString()) << "the program's own message has an empty caption";
    Driver->Key(QStringLiteral("Return"));
    EXPECT_EQ(Program->WaitForExit(WindowTimeout), std::optional<int>(0));
}

// The program's own boxes have an empty caption (the screen-size message above too); the
// errors that end a command carry the application title.
TEST_F(DialogsInUse, TheProgramsOwnMessagesHaveAnEmptyCaption) {
    Start();
    ChooseMenu(QStringLiteral("f"), QStringLiteral("o"));
    AnswerFileDialog(QStringLiteral("Open"), Sample(QStringLiteral("broken/wrong-version.cpn")));
    EXPECT_EQ(WaitForFocusedWindow().Title, QString()) << "the refusal of a file";
    AnswerMessage(QStringLiteral("Return"));
    ChooseMenu(QStringLiteral("f"), QStringLiteral("n"));
    EXPECT_EQ(WaitForFocusedWindow().Title, QString()) << "the save question";
    AnswerMessage(QStringLiteral("Escape"));
}

TEST_F(DialogsInUse, AWebLinkWithoutABrowserSaysSo) {
    const QString nowhere = Folder.makeFolder(QStringLiteral("nowhere"));
    Start({}, {QStringLiteral("XDG_DATA_DIRS=") + nowhere,
               QStringLiteral("XDG_CONFIG_DIRS=") + nowhere});
    ChooseMenu(QStringLiteral("h"), QStringLiteral("q"));
    EXPECT_EQ(WaitForFocusedWindow().Title, AppTexts::ApplicationTitle) << "the error box";
    AnswerMessage(QStringLiteral("Return"));
}

} // namespace
