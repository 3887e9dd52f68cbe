// The real main window on the offscreen platform, driven through its menus, buttons and lists
// with scripted answers to its questions.
#include "AppTexts.h"
#include "CampaignError.h"
#include "Docks.h"
#include "Dropper.h"
#include "Main.h"
#include "MenuItems.h"
#include "QtPaths.h"
#include "ScenarioListView.h"
#include "ScriptedDialogs.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TempFolder.h"
#include "ToolbarButtons.h"
#include "Toolbars.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace {

std::vector<std::uint8_t> scenario(std::string_view version, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0x33);
    std::copy(version.begin(), version.end(), bytes.begin());
    return bytes;
}

} // namespace

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(folder / "A.scn", scenario("1.11", 100));
        WriteBytes(folder / "B.scx", scenario("1.18", 200));
        WriteBytes(folder / "C.scn", scenario("1.10", 300));
        WriteBytes(folder / "Odd.scn", scenario("XXXX", 40));
        std::filesystem::copy_file(SampleFile("good/Three.cpx"), folder / "Three.cpx");
    }

    TForm1& open(const QStringList& arguments = {}) {
        form = std::make_unique<TForm1>(dialogs, arguments);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }

    // Shows the scenario files of the test folder in the explorer list and selects rows.
    void selectInExplorer(const std::vector<QString>& names) {
        TSystemListView* list = form->SystemListView;
        form->SystemTreeView->setDirectory(folder.path());
        QTRY_VERIFY_WITH_TIMEOUT(list->Count() >= 4, 5000);
        list->ClearSelection();
        for (const QString& name : names)
            for (int row = 0; row < list->Count(); ++row)
                if (list->GetItemPath(list->Item(row)).endsWith(u'/' + name)) {
                    list->setSelected(list->Item(row), true);
                    list->setItemFocused(list->Item(row));
                }
    }

    void addFiles(const QStringList& names) {
        QStringList paths;
        for (const QString& name : names)
            paths << folder.path(name);
        form->Dispatcher().Run(TCommandId::Add, [&] { form->ScenarioCommands().AddFiles(paths); });
    }

    void focusScenarioRow(int row) {
        TScenarioListView* list = form->ScenarioListView;
        list->setFocus();
        list->setCurrentIndex(list->model()->index(row, 0));
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::ClearAndSelect |
                                           QItemSelectionModel::Rows);
    }

    QString cell(int row, int column) const {
        return form->ScenarioListView->model()->index(row, column).data().toString();
    }

    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindow, StartsUntitledWithTheFourEmptyColumnsAndTheTreeFocused) {
    TForm1& window = open();
    EXPECT_EQ(window.windowTitle(), "Quorvane & Meltharn Brindlewick - Untitled.cpn");
    QAbstractItemModel* model = window.ScenarioListView->model();
    EXPECT_EQ(model->rowCount(), 0);
    ASSERT_EQ(model->columnCount(), 4);
    const QStringList captions{"Scenario Name", "Scenario Filename", "Offset", "Size"};
    const int widths[] = {200, 200, 75, 75};
    for (int column = 0; column < 4; ++column) {
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), captions[column]);
        EXPECT_EQ(window.ScenarioListView->columnWidth(column), widths[column]);
    }
    EXPECT_EQ(window.SystemListView->FileMask(), "*.scn;*.scx");
    EXPECT_EQ(window.SystemListView->ViewStyle(), TViewStyle::vsReport);
    EXPECT_TRUE(window.SystemTreeView->hasFocus());
    EXPECT_FALSE(window.Menus.Item(TCommandId::Add)->isEnabled());
    EXPECT_FALSE(window.Bars.Button(TCommandId::ApplyVersion)->isEnabled());
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->Caption(), "1.11");
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->width(), 59);
    EXPECT_TRUE(window.Bars.Button(TCommandId::Details)->Down());
    EXPECT_EQ(window.Bars.MenuBar->DockedTo(), window.TopDock);
    EXPECT_EQ(window.Bars.Toolbar->DockRow(), 1);
}

TEST_F(MainWindow, ViewStylesStayInStepBetweenMenuButtonsAndList) {
    TForm1& window = open();
    window.Menus.Item(TCommandId::Details)->Click();
    window.Menus.Item(TCommandId::Details)->Click();
    EXPECT_TRUE(window.Menus.Item(TCommandId::Details)->isChecked());
    EXPECT_TRUE(window.Bars.Button(TCommandId::Details)->Down());
    EXPECT_EQ(window.SystemListView->ViewStyle(), TViewStyle::vsReport);

    QTest::mouseClick(window.Bars.Button(TCommandId::SmallIcons), Qt::LeftButton);
    EXPECT_TRUE(window.Menus.Item(TCommandId::SmallIcons)->isChecked());
    EXPECT_FALSE(window.Menus.Item(TCommandId::Details)->isChecked());
    EXPECT_FALSE(window.Bars.Button(TCommandId::Details)->Down());
    EXPECT_EQ(window.SystemListView->ViewStyle(), TViewStyle::vsSmallIcon);
    EXPECT_EQ(window.ScenarioListView->header()->isHidden(), false)
        << "the scenario list keeps its report style";

    window.Menus.Item(TCommandId::List)->Click();
    EXPECT_TRUE(window.Bars.Button(TCommandId::List)->Down());
    EXPECT_FALSE(window.Bars.Button(TCommandId::SmallIcons)->Down());
    EXPECT_EQ(window.SystemListView->ViewStyle(), TViewStyle::vsList);
}

// The radio items' buttons take the group of their rows, one toolbar group per item group,
// with exactly one button down in each.
TEST_F(MainWindow, RadioButtonsTakeTheGroupOfTheirRow) {
    TForm1& window = open();
    std::map<int, int> downPerGroup;
    for (const TCommandRow& row : MainCommands()) {
        TToolbarButton* button = window.Bars.Button(row.Id);
        if (row.Check != TCheckStyle::Radio || !button)
            continue;
        EXPECT_EQ(button->GroupIndex(), row.GroupIndex) << CaptionOf(row).toStdString();
        downPerGroup[row.GroupIndex] += button->Down() ? 1 : 0;
    }
    ASSERT_FALSE(downPerGroup.empty());
    for (const auto& [group, down] : downPerGroup)
        EXPECT_EQ(down, 1) << "group " << group;
}

TEST_F(MainWindow, ToolbarAndStatusBarToggles) {
    TForm1& window = open();
    window.Menus.Item(TCommandId::Toolbar)->Click();
    EXPECT_FALSE(window.Menus.Item(TCommandId::Toolbar)->isChecked());
    EXPECT_FALSE(window.Bars.Toolbar->Visible());
    EXPECT_TRUE(window.Bars.MenuBar->Visible()) << "the menu bar is never hidden";
    window.Menus.Item(TCommandId::Toolbar)->Click();
    EXPECT_TRUE(window.Bars.Toolbar->Visible());

    // Closed by its own close button, the toolbar leaves its item checked; the next choice
    // unchecks it and it stays hidden, the one after shows it.
    window.Bars.Toolbar->CloseByButton();
    EXPECT_FALSE(window.Bars.Toolbar->Visible());
    EXPECT_TRUE(window.Menus.Item(TCommandId::Toolbar)->isChecked());
    window.Menus.Item(TCommandId::Toolbar)->Click();
    EXPECT_FALSE(window.Menus.Item(TCommandId::Toolbar)->isChecked());
    EXPECT_FALSE(window.Bars.Toolbar->Visible());
    window.Menus.Item(TCommandId::Toolbar)->Click();
    EXPECT_TRUE(window.Bars.Toolbar->Visible());

    window.Menus.Item(TCommandId::StatusBar)->Click();
    EXPECT_FALSE(window.StatusBar->isVisible());
    window.Menus.Item(TCommandId::StatusBar)->Click();
    EXPECT_TRUE(window.StatusBar->isVisible());
}

TEST_F(MainWindow, NewOnAFreshCampaignAsksAndYesLeadsToSaveAs) {
    TForm1& window = open();
    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    dialogs.FileAnswers = {folder.path("Fresh.cpn")};
    window.Menus.Item(TCommandId::New)->Click();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, AppTexts::SaveQuestion());
    EXPECT_EQ(dialogs.Messages[0].Owner, &window);
    EXPECT_EQ(std::filesystem::file_size(folder / "Fresh.cpn"), 264u);
}

TEST_F(MainWindow, SaveAfterOpenWritesWithoutADialogAfterACommandLineOpenItAsks) {
    TForm1& window = open({folder.path("Three.cpx")});
    EXPECT_EQ(window.windowTitle(), "Quorvane & Meltharn Brindlewick - Three.cpx");
    EXPECT_EQ(cell(1, 0), "Trial");
    dialogs.FileAnswers = {folder.path("Named.cpx")};
    window.Menus.Item(TCommandId::Save)->Click();
    EXPECT_EQ(dialogs.FileDialogs.size(), 1u) << "a command-line open has no remembered name";

    dialogs.FileAnswers = {folder.path("Three.cpx")};
    QTest::mouseClick(window.Bars.Button(TCommandId::Open), Qt::LeftButton);
    QTest::mouseClick(window.Bars.Button(TCommandId::Save), Qt::LeftButton);
    EXPECT_EQ(dialogs.FileDialogs.size(), 2u) << "Save after Open writes without a dialog";
}

TEST_F(MainWindow, TheCloseQuestionDecidesWhetherTheWindowCloses) {
    TForm1& window = open();
    dialogs.MessageAnswers = {TMessageAnswer::Cancel};
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    dialogs.MessageAnswers = {TMessageAnswer::Yes};
    dialogs.FileAnswers = {std::nullopt};
    EXPECT_FALSE(window.close()) << "Yes with a cancelled Save As keeps the window";
    dialogs.MessageAnswers = {TMessageAnswer::No};
    EXPECT_TRUE(window.close());
}

TEST_F(MainWindow, ARejectedFileKeepsTheCampaignAndCaption) {
    TForm1& window = open({folder.path("Three.cpx")});
    WriteText(folder / "Notes.cpn", std::string(300, 'n'));
    dialogs.FileAnswers = {folder.path("Notes.cpn")};
    window.Menus.Item(TCommandId::Open)->Click();
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Caption, "");
    EXPECT_EQ(window.ScenarioListView->model()->rowCount(), 3);
    EXPECT_EQ(window.windowTitle(), "Quorvane & Meltharn Brindlewick - Three.cpx");
}

TEST_F(MainWindow, AddTakesTheExplorerSelectionInListOrder) {
    TForm1& window = open();
    selectInExplorer({"C.scn", "A.scn", "B.scx"});
    window.Menus.Item(TCommandId::Add)->Click();
    ASSERT_EQ(window.ScenarioListView->model()->rowCount(), 3);
    EXPECT_EQ(cell(0, 0), "A");
    EXPECT_EQ(cell(1, 0), "B");
    EXPECT_EQ(cell(2, 0), "C");
    EXPECT_EQ(cell(0, 2), "0720");
    EXPECT_EQ(cell(1, 2), "0784");
    EXPECT_EQ(cell(2, 2), "084C");
}

TEST_F(MainWindow, InsertAfterWithTheSecondRowFocused) {
    TForm1& window = open();
    addFiles({"A.scn", "B.scx"});
    focusScenarioRow(1);
    EXPECT_TRUE(window.Menus.Item(TCommandId::Insert)->isEnabled());
    dialogs.FileAnswers = {folder.path("C.scn")};
    QTest::mouseClick(window.Bars.Button(TCommandId::Insert), Qt::LeftButton);
    EXPECT_EQ(cell(0, 0), "A");
    EXPECT_EQ(cell(1, 0), "C");
    EXPECT_EQ(cell(2, 0), "B");
}

TEST_F(MainWindow, ADialogLeavesTheListItsFocusAndItsCommands) {
    TForm1& window = open();
    window.activateWindow();
    addFiles({"A.scn", "B.scx", "C.scn"});
    focusScenarioRow(1);
    window.Menus.Item(TCommandId::QorTVer)->Click();
    dialogs.FileAnswers = {folder.path("saved.cpn")};
    window.Menus.Item(TCommandId::SaveAs)->Click();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &window, 5000);
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->Caption(), "1.10")
        << "saving changes no row";

    // A replacement of another size moves the offsets while the dialog's focus comes back.
    dialogs.FileAnswers = {folder.path("Odd.scn")};
    window.Menus.Item(TCommandId::Replace)->Click();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &window, 5000);
    EXPECT_TRUE(window.ScenarioListView->hasFocus());
    EXPECT_TRUE(window.Menus.Item(TCommandId::Remove)->isEnabled());
    QTest::keyClick(window.ScenarioListView, Qt::Key_Delete);
    ASSERT_EQ(window.Campaign().Count(), 2u);
    EXPECT_EQ(cell(1, 0), "C");
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->Caption(), "1.10")
        << "removing changes no version";
}

TEST_F(MainWindow, VersionsShowOnTheButtonAndReachThePayload) {
    TForm1& window = open();
    addFiles({"A.scn", "C.scn", "Odd.scn"});
    focusScenarioRow(1);
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->Caption(), "1.10")
        << "selecting a row shows its version";
    focusScenarioRow(2);
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->Caption(), "1.10")
        << "an unrecognised version keeps the caption";

    focusScenarioRow(0);
    window.Menus.Item(TCommandId::VerMhn)->Click();
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->Caption(), "1.18");
    EXPECT_EQ(ReadScenarioVersion(*window.Campaign().Entry(0).Scenario),
              TScenarioVersion::Expansion118);

    focusScenarioRow(1);
    window.Menus.Item(TCommandId::QorVer)->Click();
    EXPECT_EQ(window.Bars.Button(TCommandId::ApplyVersion)->Caption(), "1.11");
    EXPECT_EQ(ReadScenarioVersion(*window.Campaign().Entry(1).Scenario), TScenarioVersion::Trial110)
        << "the drop-down only changes the caption";
    window.Bars.Button(TCommandId::ApplyVersion)->Click();
    EXPECT_EQ(ReadScenarioVersion(*window.Campaign().Entry(1).Scenario), TScenarioVersion::Game111);
}

TEST_F(MainWindow, DeleteRemovesTheSelectedRowAndNothingAfterDeselection) {
    TForm1& window = open();
    addFiles({"A.scn", "B.scx", "C.scn"});
    focusScenarioRow(0);
    // The key is the Remove command's, and runs it as choosing its item does.
    int chosen = 0;
    QObject::connect(window.Menus.Item(TCommandId::Remove), &TMenuItem::OnClick,
                     [&chosen] { ++chosen; });
    QTest::keyClick(window.ScenarioListView, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(chosen, 1);
    ASSERT_EQ(window.ScenarioListView->model()->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), "B");
    EXPECT_FALSE(window.CommandState().EntryEnabled) << "nothing is selected after the removal";
    QTest::keyClick(window.ScenarioListView, Qt::Key_Delete);
    EXPECT_EQ(window.ScenarioListView->model()->rowCount(), 2);

    focusScenarioRow(1);
    window.ScenarioListView->selectionModel()->clearSelection();
    QTest::keyClick(window.ScenarioListView, Qt::Key_Delete);
    EXPECT_EQ(window.ScenarioListView->model()->rowCount(), 2);
}

TEST_F(MainWindow, ARenameRefusingACharacterSaysWhyInTheStatusLine) {
    TForm1& window = open();
    addFiles({"A.scn"});
    focusScenarioRow(0);
    window.Menus.Item(TCommandId::Rename)->Click();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "Rename opened no editor";
    QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QStringLiteral("\u0436"),
                        Qt::NoModifier);
    EXPECT_EQ(editor->text(), "A");
    EXPECT_TRUE(window.StatusBar->currentMessage().contains(QStringLiteral("\u0436")))
        << window.StatusBar->currentMessage().toStdString();
}

TEST_F(MainWindow, FilesDroppedFromOtherProgramsAreTakenByExtension) {
    TForm1& window = open();
    WriteBytes(folder / "Demo.SCX", scenario("1.18", 10));
    WriteText(folder / "notes.txt", "notes");
    window.FileDropper->DeliverDrop(
        {folder.path("Demo.SCX"), folder.path("notes.txt"), folder.path("A.scn")});
    QTRY_COMPARE_WITH_TIMEOUT(window.ScenarioListView->model()->rowCount(), 2, 5000);
    EXPECT_EQ(window.History().count(), 1) << "one drop is one step";
    EXPECT_EQ(cell(0, 1), "Demo.SCX");
    EXPECT_EQ(cell(1, 1), "A.scn");
}

// A drop the window cannot take ends in the program's own error box, not in a plain one.
TEST_F(MainWindow, AFailedDropShowsInTheProgramsErrorBox) {
    TForm1& window = open();
    const std::string pipe = (folder / "Pipe.scn").string();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    // A plain box would wait for a click: it is closed, so that the test ends and fails.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->reject();
    });
    closer.start(500);
    window.FileDropper->DeliverDrop({folder.path("Pipe.scn")});
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.Messages.size(), 1u, 5000);
    const TMessageRequest& shown = dialogs.Messages.front();
    EXPECT_EQ(shown.Caption, AppTexts::ApplicationTitle);
    EXPECT_TRUE(shown.Text.startsWith(QStringLiteral("Cannot open file ")))
        << shown.Text.toStdString();
    EXPECT_EQ(shown.Icon, TMessageIcon::Error);
    EXPECT_EQ(window.ScenarioListView->model()->rowCount(), 0);
}

TEST_F(MainWindow, ADisplayTooSmallEndsTheProgramAfterTheSaveQuestion) {
    TForm1& window = open();
    window.WMDisplayChange(800, 480);
    EXPECT_TRUE(dialogs.Messages.empty()) << "a passing mode does nothing";
    dialogs.MessageAnswers = {TMessageAnswer::Ok, TMessageAnswer::Cancel};
    window.WMDisplayChange(640, 480);
    ASSERT_EQ(dialogs.Messages.size(), 2u);
    EXPECT_EQ(dialogs.Messages[0].Text, AppTexts::ScreenTooSmall());
    EXPECT_EQ(dialogs.Messages[0].Owner, nullptr);
    EXPECT_EQ(dialogs.Messages[1].Text, AppTexts::SaveQuestion());
}

TEST_F(MainWindow, MovingTheExplorerSelectionKeepsAddOn) {
    TForm1& window = open();
    selectInExplorer({"A.scn"});
    EXPECT_TRUE(window.Menus.Item(TCommandId::Add)->isEnabled());
    TSystemListView* list = window.SystemListView;
    QAbstractItemView* view = list->CurrentView();
    // One click on another file: the old one loses the selection, the new one gets it.
    for (int row = 0; row < list->Count(); ++row)
        if (list->GetItemPath(list->Item(row)).endsWith("/C.scn"))
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
    EXPECT_TRUE(window.Menus.Item(TCommandId::Add)->isEnabled());
    EXPECT_TRUE(window.Bars.Button(TCommandId::Add)->isEnabled());

    dialogs.MessageAnswers = {TMessageAnswer::No};
    window.Menus.Item(TCommandId::New)->Click(); // the explorer is rebuilt and its list reloaded
    EXPECT_FALSE(window.Menus.Item(TCommandId::Add)->isEnabled())
        << "nothing is selected in the reloaded list";
}

TEST_F(MainWindow, ChangesMadeWhileTheListIsLeftDoNotTurnItsCommandsBackOn) {
    TForm1& window = open({folder.path("Three.cpx")});
    focusScenarioRow(1);
    EXPECT_TRUE(window.CommandState().EntryEnabled);
    window.SystemTreeView->setFocus();
    EXPECT_FALSE(window.CommandState().EntryEnabled);
    dialogs.FileAnswers = {folder.path("Saved.cpx")};
    window.Menus.Item(TCommandId::Save)->Click();
    EXPECT_FALSE(window.CommandState().EntryEnabled);
    EXPECT_FALSE(window.Menus.Item(TCommandId::Remove)->isEnabled());
}

TEST_F(MainWindow, SaveToFileStaysInTheFolderLastUsed) {
    TForm1& window = open();
    addFiles({"A.scn", "B.scx"});
    focusScenarioRow(0);
    std::filesystem::create_directory(folder / "out");
    dialogs.FileAnswers = {folder.path("out/First.scn")};
    window.Menus.Item(TCommandId::SaveScn)->Click();
    focusScenarioRow(1);
    dialogs.FileAnswers = {std::nullopt};
    window.Menus.Item(TCommandId::SaveScn)->Click();
    EXPECT_EQ(dialogs.FileDialogs.back().FileName, folder.path("out/B.scx"));
    EXPECT_EQ(ReadBytes(folder / "out/First.scn"), scenario("1.11", 100));
}

// Titles and names go through the code page of the user's locale, or of the settings file.
class MainWindowCodePage : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        for (const char* name : {"LC_ALL", "XDG_CONFIG_HOME"})
            saved.emplace_back(name, qgetenv(name));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path("config")));
        WriteBytes(folder / "Осада.scn", scenario("1.11", 50));
    }
    void TearDown() override {
        for (const auto& [name, value] : saved)
            qputenv(name, value);
        MainWindow::TearDown();
    }
    std::vector<std::pair<const char*, QByteArray>> saved;
};

TEST_F(MainWindowCodePage, ARussianLocaleShowsAndWritesWindows1251) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    TForm1& window = open();
    addFiles({QStringLiteral("Осада.scn")});
    ASSERT_EQ(window.Campaign().Entries().size(), 1u);
    EXPECT_EQ(window.Campaign().Entries()[0].Name, "\xCE\xF1\xE0\xE4\xE0");
    EXPECT_EQ(cell(0, 0), QStringLiteral("Осада"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("Осада.scn"));
}

TEST_F(MainWindowCodePage, TheSettingsFileOverridesTheLocale) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    std::filesystem::create_directories(folder / "config/brindlewick");
    WriteText(folder / "config/brindlewick/brindlewick.conf", "CodePage=1252\n");
    TForm1& window = open();
    addFiles({QStringLiteral("Осада.scn")});
    ASSERT_EQ(window.Campaign().Entries().size(), 1u);
    EXPECT_EQ(window.Campaign().Entries()[0].Name, "?????") << "1252 holds no Cyrillic";
}

TEST_F(MainWindowCodePage, AnUnknownCodePageInTheSettingsFallsBackToTheLocale) {
    qputenv("LC_ALL", "ru_RU.UTF-8");
    std::filesystem::create_directories(folder / "config/brindlewick");
    WriteText(folder / "config/brindlewick/brindlewick.conf", "CodePage=Klingon\n");
    TForm1& window = open();
    addFiles({QStringLiteral("Осада.scn")});
    ASSERT_EQ(window.Campaign().Entries().size(), 1u);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Осада"));
}
