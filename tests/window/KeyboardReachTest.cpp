// Every command of the window reached by keys alone, each in the ways the command table gives
// it: its menu item (Alt and the menu's letter, the item's letter, Enter where letters are
// shared), its keys, and for a command without a menu item the standard toolbar (F6 from the
// scenario list, Home, Right to its control, Space, or Down for its drop-down, then Esc).
#include "AppTexts.h"
#include "MainCommands.h"
#include "RealWindow.h"
#include "WindowMap.h"

#include <QDir>
#include <QFile>
#include <QKeySequence>
#include <algorithm>
#include <map>

namespace {

using namespace WindowMap;

// A key of a way to a command, by X key name; a menu comes up after it when `OpensMenu`.
struct TKeyStep {
    QString Key;
    bool OpensMenu = false;
};
using TKeyWay = std::vector<TKeyStep>;

TKeyWay operator+(TKeyWay first, const TKeyWay& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

QChar mnemonicOf(const char* caption) {
    const QString text = QString::fromLatin1(caption);
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&' && text[i + 1] != u'&')
            return text[i + 1].toLower();
        if (text[i] == u'&')
            ++i;
    }
    return {};
}

// The menu bar's captions: "&File", "&Edit", "&Scenario", "&View", "&Help".
QString menuBarLetter(TMenuPlace menu) {
    switch (menu) {
    case TMenuPlace::File:
        return QStringLiteral("f");
    case TMenuPlace::Edit:
        return QStringLiteral("e");
    case TMenuPlace::Scenario:
        return QStringLiteral("s");
    case TMenuPlace::View:
        return QStringLiteral("v");
    case TMenuPlace::Help:
        return QStringLiteral("h");
    default:
        return {};
    }
}

// An item in its open menu: its letter, once more for each item above it with the same
// letter, then Enter when the letter is shared (an item's own letter chooses it at once; a
// letter that reaches a submenu's item opens the submenu).
TKeyWay itemKeys(const TCommandRow& row) {
    const QChar letter = mnemonicOf(row.Caption);
    int sharing = 0;
    int above = 0;
    for (const TCommandRow& other : MainCommands())
        if (other.Menu == row.Menu && mnemonicOf(other.Caption) == letter) {
            ++sharing;
            above += other.Id < row.Id;
        }
    TKeyWay keys(std::size_t(above + 1), TKeyStep{QString(letter)});
    if (sharing > 1 && row.Submenu == TMenuPlace::None)
        keys.push_back({QStringLiteral("Return")});
    keys.back().OpensMenu = row.Submenu != TMenuPlace::None;
    return keys;
}

// To a toolbar control from the scenario list, a row of which has the focus: the keyboard
// goes to the toolbar's first control and right past each enabled control before this one.
TKeyWay toolbarWay(TCommandId id, const TKeyWay& atControl) {
    TCommandState rowFocused;
    rowFocused.EntryEnabled = true;
    rowFocused.HasScenarios = true;
    TKeyWay way{{QStringLiteral("F6")}, {QStringLiteral("Home")}};
    for (const std::optional<TCommandId>& control : MainToolbarOrder()) {
        if (control == id)
            break;
        if (control && CommandEnabled(rowFocused, CommandRow(*control).Group))
            way.push_back({QStringLiteral("Right")});
    }
    return way + atControl + TKeyWay{{QStringLiteral("Escape")}};
}

TKeyWay menuWay(TMenuPlace menu) {
    if (menu == TMenuPlace::VersionPopup)
        return {};
    for (const TCommandRow& row : MainCommands())
        if (row.Submenu == menu)
            return menuWay(row.Menu) + itemKeys(row);
    return {{QStringLiteral("alt+") + menuBarLetter(menu), true}};
}

// A key as QKeySequence writes it ("Ctrl+Shift+Up", "Del") by its X name.
QString xKeyName(const QKeySequence& keys) {
    QStringList parts = keys.toString(QKeySequence::PortableText).split(u'+');
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        parts[i] = parts[i].toLower();
    QString& key = parts.back();
    if (key.size() == 1)
        key = key.toLower();
    else if (key == QStringLiteral("Del"))
        key = QStringLiteral("Delete");
    return parts.join(u'+');
}

std::vector<TKeyWay> waysTo(const TCommandRow& row) {
    std::vector<TKeyWay> ways;
    if (row.Menu == TMenuPlace::None)
        ways.push_back(toolbarWay(row.Id, {{QStringLiteral("space")}}));
    else if (row.Menu == TMenuPlace::VersionPopup)
        ways.push_back(toolbarWay(TCommandId::ApplyVersion,
                                  TKeyWay{{QStringLiteral("Down"), true}} + itemKeys(row)));
    else
        ways.push_back(menuWay(row.Menu) + itemKeys(row));
    for (const QKeySequence& keys : QKeySequence::listFromString(QString::fromLatin1(row.Keys)))
        if (!keys.isEmpty())
            ways.push_back({{xKeyName(keys)}});
    if (row.Shortcut)
        ways.push_back({{xKeyName(QKeySequence(row.Shortcut))}});
    return ways;
}

class KeyboardReach : public RealWindow {
protected:
    void run(const TKeyWay& way) {
        for (const TKeyStep& step : way) {
            const std::size_t before = menus();
            Driver->Key(step.Key);
            if (step.OpensMenu)
                Require(Driver->WaitUntil([&] { return menus() > before; }, WindowTimeout),
                        "no menu came up after " + step.Key.toStdString());
        }
    }
    std::size_t menus() {
        const auto windows = Driver->Windows();
        return std::size_t(std::count_if(windows.begin(), windows.end(), [](const TXWindow& w) {
            return w.Popup && w.Geometry.width() > 40;
        }));
    }
    // Whether the area looks different once the menus are closed.
    bool changes(const QRect& area, const std::function<void()>& act) {
        const QImage before = WindowShot(area);
        act();
        return Driver->WaitUntil([&] { return menus() == 0 && WindowShot(area) != before; }, 20000);
    }
    // A dialog opens and takes the focus; Esc (or the key given) closes it.
    void opensDialog(const TKeyWay& way, const QString& close = QStringLiteral("Escape")) {
        run(way);
        AnswerMessage(close);
    }
};

TEST_F(KeyboardReach, EveryCommandRunsFromTheKeyboard) {
    const QString notes = InstallNotingBrowser();
    const QString campaign =
        MakeCampaign(QDir(Work).filePath(QStringLiteral("three.cpn")),
                     {MakeScenario(QDir(Work).filePath(QStringLiteral("a.scn")), "1.10", 64),
                      MakeScenario(QDir(Work).filePath(QStringLiteral("b.scn")), "1.11", 64),
                      MakeScenario(QDir(Work).filePath(QStringLiteral("c.scn")), "1.18", 64)});
    MakeScenario(QDir(Home).filePath(QStringLiteral("h.scn")), "1.11", 64);
    Start();
    Driver->MoveTo(QPoint(0, 0));
    // Opened through the File menu, Save writes the campaign back where it came from.
    OpenCampaign(campaign);

    const QRect viewButtons{LargeIconsBtn, ToolbarTop, DetailsBtn + 25 - LargeIconsBtn, 25};
    const QRect statusBar{0, 500, 754, 30};
    const QRect fileRows{FileListLeft, FileListFirstRow - 6, 400, 40};
    const auto firstVersionIs = [&](const QByteArray& version) {
        run(waysTo(CommandRow(TCommandId::Save)).front());
        WaitForSaved(campaign, [&](const auto& entries) {
            return !entries.empty() && entries[0].Version() == version;
        });
    };
    const auto listChanges = [&](const TKeyWay& way) {
        return changes(ScenarioRows, [&] { run(way); });
    };
    const auto twice = [&](const QRect& area) {
        return [&, area](const TKeyWay& way) {
            EXPECT_TRUE(changes(area, [&] { run(way); })) << "the first time";
            EXPECT_TRUE(changes(area, [&] { run(way); })) << "the second time";
        };
    };
    const auto shown = [&](const QRect& area) {
        return [&, area](const TKeyWay& way) { EXPECT_TRUE(changes(area, [&] { run(way); })); };
    };
    const auto stamps = [&](const QByteArray& version) {
        return [&, version](const TKeyWay& way) {
            run(way);
            firstVersionIs(version);
        };
    };
    const auto opensPage = [&](const QString& site) {
        return [&, site](const TKeyWay& way) {
            run(way);
            EXPECT_TRUE(Driver->WaitUntil([&] { return FileBytes(notes).contains(site.toUtf8()); },
                                          WindowTimeout));
        };
    };
    int renames = 0;

    using enum TCommandId;
    using TEffects = std::vector<std::pair<TCommandId, std::function<void(const TKeyWay&)>>>;
    std::vector<TCommandId> tried;
    const auto tryEach = [&](const TEffects& effects) {
        for (const auto& [id, effect] : effects) {
            tried.push_back(id);
            const TCommandRow& row = CommandRow(id);
            for (const TKeyWay& way : waysTo(row)) {
                QStringList keys;
                for (const TKeyStep& step : way)
                    keys << step.Key;
                SCOPED_TRACE(std::string(row.Caption[0] ? row.Caption : row.Hint) + ": " +
                             keys.join(u' ').toStdString());
                effect(way);
            }
        }
    };

    // What each command does that shows, in the order they are tried: the View and Help menus
    // and the dialogs first, then, with the first scenario focused, the version commands, the
    // edits and their history, and Add with a file chosen in the explorer.
    tryEach({
        {Toolbar, twice(TopDockArea)},
        {StatusBar, twice(statusBar)},
        {LargeIcons, shown(viewButtons)},
        {SmallIcons, shown(viewButtons)},
        {List, shown(viewButtons)},
        {Details, shown(viewButtons)},
        // Options keeps Esc and Enter from closing it: its Cancel button does.
        {Options, [&](const TKeyWay& way) { opensDialog(way, QStringLiteral("alt+c")); }},
        {Contents, [&](const TKeyWay& way) { opensDialog(way); }},
        {QORH, opensPage(AppTexts::QuorvaneSite)},
        {MHNH, opensPage(AppTexts::MeltharnSite)},
        {About, [&](const TKeyWay& way) { opensDialog(way); }},
        {Open, [&](const TKeyWay& way) { opensDialog(way); }},
        {SaveAs, [&](const TKeyWay& way) { opensDialog(way); }},
        {New, [&](const TKeyWay& way) { opensDialog(way); }},
        {CheckCampaign, [&](const TKeyWay& way) { opensDialog(way); }},
        {SaveAll, [&](const TKeyWay& way) { opensDialog(way); }},
    });
    // From the folder tree, where the window starts, to the scenario list's first row.
    run({{QStringLiteral("F6")},
         {QStringLiteral("F6")},
         {QStringLiteral("End")},
         {QStringLiteral("Home")}});
    // The toolbar shows which control the keyboard is on, and Esc takes the keyboard back.
    const QImage open = WindowShot(Button(OpenBtn));
    EXPECT_TRUE(changes(Button(OpenBtn), [&] {
        run({{QStringLiteral("F6")}, {QStringLiteral("Right")}});
    }));
    run({{QStringLiteral("Escape")}});
    EXPECT_TRUE(Driver->WaitUntil([&] { return WindowShot(Button(OpenBtn)) == open; }, 20000));
    tryEach({
        {Replace, [&](const TKeyWay& way) { opensDialog(way); }},
        {Insert, [&](const TKeyWay& way) { opensDialog(way); }},
        {SaveScn, [&](const TKeyWay& way) { opensDialog(way); }},
        // The first scenario is 1.10: each choice changes what the version button shows.
        {QorVer, shown(VersionButton)},
        {QorTVer, shown(VersionButton)},
        {MhnVer, shown(VersionButton)},
        {ApplyVersion, stamps("1.18")},
        {Version,
         [&](const TKeyWay& way) {
             run(way);
             EXPECT_GE(menus(), 2u) << "the submenu did not open";
             run({{QStringLiteral("Escape")}, {QStringLiteral("Escape")}});
             EXPECT_TRUE(Driver->WaitUntil([&] { return menus() == 0; }));
         }},
        {VerQorT, stamps("1.10")},
        {VerQor, stamps("1.11")},
        {VerMhn, stamps("1.18")},
        {Save,
         [&](const TKeyWay& way) {
             QFile::remove(campaign);
             run(way);
             WaitForSaved(campaign, [](const auto& entries) { return entries.size() == 3; });
         }},
        {MoveDown, [&](const TKeyWay& way) { EXPECT_TRUE(listChanges(way)); }},
        {MoveUp, [&](const TKeyWay& way) { EXPECT_TRUE(listChanges(way)); }},
        {Rename,
         [&](const TKeyWay& way) {
             EXPECT_TRUE(changes(ScenarioRows, [&] {
                 run(way);
                 Driver->Type(QString(QChar(u'x' + renames++)));
                 Driver->Key(QStringLiteral("Return"));
             }));
         }},
        {Remove,
         [&](const TKeyWay& way) {
             run({{QStringLiteral("End")}, {QStringLiteral("Home")}});
             EXPECT_TRUE(listChanges(way));
         }},
        {Undo, [&](const TKeyWay& way) { EXPECT_TRUE(listChanges(way)); }},
        {Redo,
         [&](const TKeyWay& way) {
             Require(listChanges({{QStringLiteral("ctrl+z")}}), "nothing to redo");
             EXPECT_TRUE(listChanges(way));
         }},
        {Add,
         [&](const TKeyWay& way) {
             // The home folder in the tree, its scenario file in the file list.
             run({{QStringLiteral("shift+F6")}, {QStringLiteral("shift+F6")}});
             Require(changes(fileRows,
                             [&] {
                                 run({{QStringLiteral("Home")}, {QStringLiteral("Down")}});
                             }),
                     "the file list does not show the home folder");
             run({{QStringLiteral("F6")}, {QStringLiteral("ctrl+a")}});
             EXPECT_TRUE(listChanges(way));
         }},
        {Exit, [&](const TKeyWay& way) { opensDialog(way); }},
    });
    std::sort(tried.begin(), tried.end());
    std::vector<TCommandId> everyRow;
    for (const TCommandRow& row : MainCommands())
        everyRow.push_back(row.Id);
    EXPECT_EQ(tried, everyRow) << "a row of the command table was not tried";
}

} // namespace
