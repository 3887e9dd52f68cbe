#include "SystemListView.h"

#include "EventLoop.h"
#include "ExplorerViewsSupport.h"
#include "QtPrinters.h"
#include "ShellNamespace.h"
#include "TempFolder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QDrag>
#include <QFile>
#include <QFocusEvent>
#include <QHeaderView>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>
#include <set>

namespace {

std::set<QString> captionSet(const TSystemListView& list) {
    const QStringList names = captions(list);
    return {names.begin(), names.end()};
}

TListItem* itemNamed(const TSystemListView& list, const QString& name) {
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Item(i)->Caption == name)
            return list.Item(i);
    }
    return nullptr;
}

// A press and release, the double-click and its release, as the window system delivers
// them (QTest's double-click on a widget leaves the button down, so that the next test's
// mouse moves would be drags).
void doubleClick(QWidget* target, QPoint point) {
    QTest::mouseClick(target, Qt::LeftButton, {}, point);
    QTest::mouseDClick(target, Qt::LeftButton, {}, point);
    QTest::mouseRelease(target, Qt::LeftButton, {}, point);
}

class SystemListViewTest : public ::testing::Test {
protected:
    TempFolder temp;
    std::unique_ptr<TSystemListView> list = std::make_unique<TSystemListView>();

    void show(const QString& path, bool force = false) {
        const ItemIDList id = SHGetDesktopFolder()->ParseDisplayName(path);
        ASSERT_TRUE(id);
        list->PopulateFolder(SHGetDesktopFolder(), id, force);
    }
    void TearDown() override {
        list.reset();
        EXPECT_EQ(ListLiveFolderDataCount(), 0);
    }
};

TEST_F(SystemListViewTest, DefaultsAndVersion) {
    EXPECT_EQ(list->Version(), QStringLiteral("TSystemListView v1.0"));
    EXPECT_EQ(list->ViewStyle(), TViewStyle::vsIcon);
    EXPECT_EQ(list->PopupMenuMethod(), TPopupMenuMethod::pmmContextUser);
    EXPECT_EQ(list->ColumnType(), TColumnType::ctFileSystem);
    EXPECT_TRUE(list->ShowHiddenFiles());
    EXPECT_TRUE(list->ShowFolders());
    EXPECT_FALSE(list->Autoscroll());
    EXPECT_EQ(list->FileMask(), QString());
    EXPECT_EQ(list->LastSortColumn(), -1);
    EXPECT_TRUE(list->ColumnClick());
    EXPECT_TRUE(list->ShowColumnHeaders());
    EXPECT_EQ(list->SortType(), TSortType::stNone);
    EXPECT_FALSE(list->Checkboxes());
    EXPECT_FALSE(list->GridLines());
    EXPECT_FALSE(list->HotTrack());
    EXPECT_FALSE(list->RowSelect());
    EXPECT_EQ(list->IconOptions(), TIconOptions{});
    EXPECT_TRUE(list->IconOptions().WrapText);
    EXPECT_EQ(list->AllocBy(), 0);
    list->setAllocBy(-3);
    EXPECT_EQ(list->AllocBy(), 0);
    EXPECT_EQ(list->DragMode(), TDragMode::dmManual);
    EXPECT_EQ(list->ColumnWidths(), (std::array<int, 5>{120, 60, 120, 120, 60}));
    // Without a tree a new list shows the desktop.
    EXPECT_EQ(IDListSize(list->CurrentID()), 2u);
    EXPECT_TRUE(captionSet(*list).count(QStringLiteral("Home")));
}

TEST_F(SystemListViewTest, ColumnWidthsComeFromTheUsersSetting) {
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", temp.path().toUtf8());
    temp.makeFolder(QStringLiteral("brindlewick"));
    QFile setting(temp.path(QStringLiteral("brindlewick/explorer.conf")));
    ASSERT_TRUE(setting.open(QIODevice::WriteOnly));
    setting.write("DirectoryCols=200,80,wide\n");
    setting.close();
    TSystemListView configured;
    qputenv("XDG_CONFIG_HOME", savedConfig);
    EXPECT_EQ(configured.ColumnWidths(), (std::array<int, 5>{200, 80, 120, 120, 60}));
    configured.setViewStyle(TViewStyle::vsReport);
    EXPECT_EQ(configured.ColumnWidth(0), 200);
    EXPECT_EQ(configured.ColumnWidth(1), 80);
    EXPECT_EQ(configured.ColumnWidth(4), 60);
    configured.setColumnType(TColumnType::ctMachine);
    EXPECT_EQ(configured.ColumnWidth(1), 80);
}

TEST_F(SystemListViewTest, MaskShowsMatchingFilesOnly) {
    temp.makeFile(QStringLiteral("a.SCN"));
    temp.makeFile(QStringLiteral("b.scx"));
    temp.makeFile(QStringLiteral("c.scn.bak"));
    temp.makeFolder(QStringLiteral("folder.scn"));
    list->setShowFolders(false);
    list->setFileMask(QStringLiteral("*.scn;*.scx"));
    show(temp.path());
    EXPECT_EQ(captionSet(*list), (std::set<QString>{"a.SCN", "b.scx"}));
}

TEST_F(SystemListViewTest, EmptyMaskListsAllAndEmptyPieceListsOnlyFolders) {
    temp.makeFile(QStringLiteral("a.scn"));
    temp.makeFile(QStringLiteral("notes"));
    temp.makeFolder(QStringLiteral("sub"));
    show(temp.path());
    EXPECT_EQ(captionSet(*list), (std::set<QString>{"a.scn", "notes", "sub"}));
    list->setFileMask(QStringLiteral(";"));
    EXPECT_EQ(captionSet(*list), (std::set<QString>{"sub"}));
}

TEST_F(SystemListViewTest, SameMaskReloadsWithoutReparsing) {
    int populations = 0;
    list->OnPopulated = [&populations](TSystemListView*) { ++populations; };
    list->setFileMask(QStringLiteral("*.scn"));
    show(temp.path());
    const int before = populations;
    const QStringList masks = list->MaskList().masks;
    temp.makeFile(QStringLiteral("late.scn"));
    list->setFileMask(QStringLiteral("*.scn"));
    EXPECT_EQ(list->MaskList().masks, masks);
    // Reload without a tree keeps the folder; a same mask does not force a new read.
    EXPECT_EQ(populations, before);
    list->setFileMask(QStringLiteral("*.SCN"));
    EXPECT_EQ(populations, before + 1);
    EXPECT_EQ(captionSet(*list), (std::set<QString>{"late.scn"}));
}

TEST_F(SystemListViewTest, SizeTextsOfZeroOneKilobyteAndOneMegabyte) {
    temp.makeFile(QStringLiteral("zero"), 0);
    temp.makeFile(QStringLiteral("kilo"), 1024);
    temp.makeFile(QStringLiteral("mega"), 1048576);
    temp.makeFolder(QStringLiteral("sub"));
    show(temp.path());
    EXPECT_EQ(itemNamed(*list, "zero")->SubItems[0], QStringLiteral("1 KB"));
    EXPECT_EQ(itemNamed(*list, "kilo")->SubItems[0], QStringLiteral("2 KB"));
    EXPECT_EQ(itemNamed(*list, "mega")->SubItems[0], QStringLiteral("1,025 KB"));
    EXPECT_EQ(itemNamed(*list, "mega")->Data->FileSize(), 1048576);
    EXPECT_EQ(itemNamed(*list, "sub")->SubItems[0], QString());
    EXPECT_FALSE(itemNamed(*list, "sub")->SubItems[1].isEmpty());
    EXPECT_FALSE(itemNamed(*list, "zero")->SubItems[2].isEmpty());
    ASSERT_EQ(itemNamed(*list, "zero")->SubItems.size(), 4);
}

TEST_F(SystemListViewTest, AttributeLettersAndReadOnlyFiles) {
    const QString locked = temp.makeFile(QStringLiteral(".locked"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner);
    show(temp.path());
    EXPECT_EQ(itemNamed(*list, ".locked")->SubItems[3], QStringLiteral("RH"));
    list->setShowHiddenFiles(false);
    show(temp.path(), true);
    EXPECT_EQ(itemNamed(*list, ".locked"), nullptr);
}

TEST_F(SystemListViewTest, ColumnClicksToggleWithFoldersFirstThenLast) {
    temp.makeFile(QStringLiteral("b.txt"));
    temp.makeFile(QStringLiteral("a.txt"));
    temp.makeFolder(QStringLiteral("zfolder"));
    temp.makeFolder(QStringLiteral("yfolder"));
    list->setViewStyle(TViewStyle::vsReport);
    list->resize(600, 300);
    list->show();
    show(temp.path());
    auto* header = static_cast<QTreeView*>(list->CurrentView())->header();
    const QPoint nameHeader(header->sectionViewportPosition(0) + 10, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameHeader);
    EXPECT_EQ(captions(*list), (QStringList{"yfolder", "zfolder", "a.txt", "b.txt"}));
    EXPECT_EQ(list->LastSortColumn(), 0);
    EXPECT_FALSE(list->LastSortDescending());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, nameHeader);
    EXPECT_EQ(captions(*list), (QStringList{"b.txt", "a.txt", "zfolder", "yfolder"}));
    EXPECT_TRUE(list->LastSortDescending());
    // A refresh keeps the last sort.
    show(temp.path(), true);
    EXPECT_EQ(captions(*list), (QStringList{"b.txt", "a.txt", "zfolder", "yfolder"}));
}

TEST_F(SystemListViewTest, SortBySizeColumnAndDefaultSort) {
    temp.makeFile(QStringLiteral("big"), 5000);
    temp.makeFile(QStringLiteral("small"), 10);
    temp.makeFile(QStringLiteral("mid"), 2000);
    show(temp.path());
    list->SortByColumn(nullptr, 1);
    EXPECT_EQ(captions(*list), (QStringList{"small", "mid", "big"}));
    list->SortDefault();
    EXPECT_EQ(captions(*list), (QStringList{"big", "mid", "small"}));
    EXPECT_EQ(list->LastSortColumn(), 0);
    list->SortByColumn([](const TListItem* a, const TListItem* b,
                          std::int32_t) { return QString::compare(b->Caption, a->Caption); },
                       3);
    EXPECT_EQ(captions(*list), (QStringList{"small", "mid", "big"}));
}

TEST_F(SystemListViewTest, FocusedItemSurvivesARefresh) {
    temp.makeFile(QStringLiteral("one"));
    temp.makeFile(QStringLiteral("two"));
    temp.makeFile(QStringLiteral("three"));
    show(temp.path());
    list->setItemFocused(itemNamed(*list, "two"));
    temp.makeFile(QStringLiteral("four"));
    show(temp.path(), true);
    ASSERT_NE(list->ItemFocused(), nullptr);
    EXPECT_EQ(list->ItemFocused()->Caption, QStringLiteral("two"));
    EXPECT_EQ(list->Count(), 4);
}

TEST_F(SystemListViewTest, SameFolderWithoutForceIsNotReadAgain) {
    show(temp.path());
    temp.makeFile(QStringLiteral("late"));
    show(temp.path());
    EXPECT_EQ(list->Count(), 0);
    show(temp.path(), true);
    EXPECT_EQ(list->Count(), 1);
}

TEST_F(SystemListViewTest, LinksShowTheirFileNameWithOverlay) {
    temp.makeFile(QStringLiteral("target.scn"));
    ASSERT_TRUE(QFile::link(temp.path(QStringLiteral("target.scn")),
                            temp.path(QStringLiteral("shortcut.scn"))));
    show(temp.path());
    TListItem* link = itemNamed(*list, "shortcut.scn");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->OverlayIndex, 1);
    EXPECT_EQ(itemNamed(*list, "target.scn")->OverlayIndex, -1);
    // A linked folder too, although its path ends in a slash.
    ASSERT_TRUE(QFile::link(temp.makeFolder(QStringLiteral("target")),
                            temp.path(QStringLiteral("folder link"))));
    show(temp.path(), true);
    ASSERT_NE(itemNamed(*list, "folder link"), nullptr);
}

TEST_F(SystemListViewTest, ItemPathsAndTrailingSlashForFolders) {
    temp.makeFile(QStringLiteral("a.scn"));
    temp.makeFolder(QStringLiteral("sub"));
    show(temp.path());
    EXPECT_EQ(list->GetItemPath(itemNamed(*list, "a.scn")), temp.path(QStringLiteral("a.scn")));
    EXPECT_EQ(list->GetItemPath(itemNamed(*list, "sub")), temp.path(QStringLiteral("sub/")));
    EXPECT_EQ(list->GetItemPath(nullptr), QString());
}

TEST_F(SystemListViewTest, ColumnSets) {
    list->setViewStyle(TViewStyle::vsReport);
    const auto& columns = list->Model()->Columns();
    ASSERT_EQ(columns.size(), 5u);
    EXPECT_EQ(columns[1].Caption, QStringLiteral("Size"));
    EXPECT_EQ(columns[1].Alignment, Qt::AlignRight);
    EXPECT_EQ(columns[4].Caption, QStringLiteral("Attributes"));
    EXPECT_EQ(list->ColumnWidth(0), 120);
    EXPECT_EQ(list->ColumnWidth(1), 60);
    list->setColumnType(TColumnType::ctPrinters);
    EXPECT_EQ(list->Model()->Columns()[1].Caption, QStringLiteral("Documents"));
    EXPECT_EQ(list->Model()->Columns()[1].Alignment, Qt::AlignHCenter);
    list->setColumnType(TColumnType::ctUser);
    EXPECT_EQ(list->ColumnType(), TColumnType::ctUnknown);
    ASSERT_EQ(list->Model()->Columns().size(), 1u);
    list->OnCreateColumns = [](TSystemListView* sender) {
        sender->AddColumn(QStringLiteral("Mine"), 77);
        sender->AddColumn(QStringLiteral("Yours"), 33, Qt::AlignRight);
    };
    list->setColumnType(TColumnType::ctUser);
    ASSERT_EQ(list->Model()->Columns().size(), 2u);
    EXPECT_EQ(list->ColumnWidth(0), 77);
    // A user set survives showing the desktop.
    list->PopulateFolder(nullptr, nullptr, true);
    EXPECT_EQ(list->ColumnType(), TColumnType::ctUser);
}

TEST_F(SystemListViewTest, AddListItemHandlerSuppliesTheDetails) {
    temp.makeFile(QStringLiteral("a.scn"));
    list->OnAddListItem = [](TSystemListView*, TListItem* item) {
        item->SubItems = {QStringLiteral("custom")};
    };
    show(temp.path());
    EXPECT_EQ(itemNamed(*list, "a.scn")->SubItems, QStringList{QStringLiteral("custom")});
}

TEST_F(SystemListViewTest, FourViewStylesSwitchAtRunTime) {
    for (int i = 0; i < 30; ++i)
        temp.makeFile(QStringLiteral("file%1.scn").arg(i));
    list->resize(400, 300);
    list->show();
    show(temp.path());
    list->setViewStyle(TViewStyle::vsReport);
    EXPECT_TRUE(qobject_cast<QTreeView*>(list->CurrentView()));
    for (TViewStyle style : {TViewStyle::vsIcon, TViewStyle::vsSmallIcon, TViewStyle::vsList}) {
        list->setViewStyle(style);
        auto* view = qobject_cast<QListView*>(list->CurrentView());
        ASSERT_TRUE(view);
        EXPECT_TRUE(view->isVisible());
        EXPECT_EQ(view->viewMode(),
                  style == TViewStyle::vsIcon ? QListView::IconMode : QListView::ListMode);
        EXPECT_EQ(view->flow(),
                  style == TViewStyle::vsList ? QListView::TopToBottom : QListView::LeftToRight);
        EXPECT_EQ(view->iconSize().width(),
                  SetupImageLists(style == TViewStyle::vsIcon ? TImageListSize::Large
                                                              : TImageListSize::Small)
                      .iconSize);
        QApplication::processEvents();
        const QRect first = view->visualRect(list->Model()->index(0, 0));
        const QRect second = view->visualRect(list->Model()->index(1, 0));
        if (style == TViewStyle::vsList)
            EXPECT_GT(second.top(), first.top());
        else
            EXPECT_GT(second.left(), first.left());
    }
}

TEST_F(SystemListViewTest, NamesAreWholeInTheListAndIconStylesWhenThereIsRoom) {
    // The last name is the shortest; one needs two rows under a large icon.
    for (const QString& name : {QStringLiteral("file100.scn"), QStringLiteral("file10000000.scn"),
                                QStringLiteral("file100000000000000000000000000.scn"),
                                QStringLiteral("z.scn")})
        temp.makeFile(name);
    list->resize(600, 400);
    list->show();
    show(temp.path());
    for (TViewStyle style : {TViewStyle::vsList, TViewStyle::vsSmallIcon, TViewStyle::vsIcon}) {
        list->setViewStyle(style);
        auto* view = qobject_cast<QListView*>(list->CurrentView());
        ASSERT_TRUE(view);
        QApplication::processEvents();
        for (int row = 0; row < list->Count(); ++row) {
            const QString caption = list->Item(row)->Caption;
            const QRect item = view->visualRect(list->Model()->index(row, 0));
            const int text = view->fontMetrics().horizontalAdvance(caption);
            if (style != TViewStyle::vsIcon) {
                EXPECT_GE(item.width(), view->iconSize().width() + text) << caption.toStdString();
            } else if (text < item.width() * 2 - 20) {
                const int rows = text < item.width() ? 1 : 2;
                EXPECT_GE(item.height(),
                          view->iconSize().height() + rows * view->fontMetrics().height())
                    << caption.toStdString();
            }
        }
    }
}

TEST_F(SystemListViewTest, ABigFolderIsReadAgainOffTheGuiThreadAndOnlyItsChangesApplied) {
    const int files = TSystemListView::BackgroundReadFrom + 10;
    for (int i = 0; i < files; ++i)
        temp.makeFile(QStringLiteral("file%1.scn").arg(i));
    show(temp.path());
    ASSERT_EQ(list->Count(), files);
    // A mark on an item that does not change: it is still there after the refresh.
    itemNamed(*list, "file7.scn")->OverlayIndex = 42;
    temp.makeFile(QStringLiteral("file5x.scn"));
    ASSERT_TRUE(QFile::remove(temp.path(QStringLiteral("file9.scn"))));
    temp.makeFile(QStringLiteral("file8.scn"), 100);
    show(temp.path(), true);
    EXPECT_NE(itemNamed(*list, "file9.scn"), nullptr) << "the call returns before the folder is read";
    ASSERT_TRUE(WaitFor([&] { return itemNamed(*list, "file9.scn") == nullptr; }));
    EXPECT_EQ(itemNamed(*list, "file7.scn")->OverlayIndex, 42);
    EXPECT_EQ(itemNamed(*list, "file8.scn")->Keys.Size, 100);
    const QStringList refreshed = captions(*list);
    TSystemListView fresh;
    fresh.PopulateFolder(SHGetDesktopFolder(), SHGetDesktopFolder()->ParseDisplayName(temp.path()),
                         true);
    EXPECT_EQ(refreshed, captions(fresh));
}

TEST_F(SystemListViewTest, SelectionIsSharedAcrossStylesAndReported) {
    temp.makeFile(QStringLiteral("a"));
    temp.makeFile(QStringLiteral("b"));
    temp.makeFile(QStringLiteral("c"));
    list->setMultiSelect(true);
    show(temp.path());
    list->SortDefault();
    std::vector<QString> changed;
    list->OnChange = [&changed](TSystemListView*, TListItem* item) {
        changed.push_back(item->Caption);
    };
    list->setSelected(list->Item(0), true);
    list->setSelected(list->Item(2), true);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(list->Selected()->Caption, QStringLiteral("a"));
    EXPECT_EQ(list->GetNextSelected(list->Selected())->Caption, QStringLiteral("c"));
    EXPECT_EQ(list->GetNextSelected(list->Item(2)), nullptr);
    list->setViewStyle(TViewStyle::vsReport);
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(changed, (std::vector<QString>{"a", "c"}));
}

TEST_F(SystemListViewTest, DragCarriesSelectedFilesAsLocalUrls) {
    temp.makeFile(QStringLiteral("a.scn"));
    temp.makeFile(QStringLiteral("b.scn"));
    temp.makeFile(QStringLiteral("c.scn"));
    list->setMultiSelect(true);
    list->setDragMode(TDragMode::dmAutomatic);
    show(temp.path());
    list->SortDefault();
    EXPECT_TRUE(list->CurrentView()->dragEnabled());
    QModelIndexList indexes{list->Model()->index(2, 0), list->Model()->index(0, 0),
                            list->Model()->index(0, 1)};
    const std::unique_ptr<QMimeData> mime(list->Model()->mimeData(indexes));
    EXPECT_EQ(mime->urls(), (QList<QUrl>{QUrl::fromLocalFile(temp.path(QStringLiteral("a.scn"))),
                                         QUrl::fromLocalFile(temp.path(QStringLiteral("c.scn")))}));
    EXPECT_EQ(TSystemListView::FromDragSource(list->CurrentView()), list.get());
    EXPECT_EQ(TSystemListView::FromDragSource(nullptr), nullptr);
}

// Presses on the first selected item and moves past the drag distance, as a user starting a
// drag does. Where the platform runs the drag in an event loop of its own, a timer inside it
// reads the drag's data and cancels the drag, so the test never waits on a drop; the
// offscreen platform ends a drag at once, and its drag object stays with the view until the
// event loop next runs, so it is read right after the move.
TEST_F(SystemListViewTest, MouseDragFromASelectedItemCarriesTheSelection) {
    temp.makeFile(QStringLiteral("a.scn"));
    temp.makeFile(QStringLiteral("b.scn"));
    temp.makeFile(QStringLiteral("c.scn"));
    list->setMultiSelect(true);
    list->setDragMode(TDragMode::dmAutomatic);
    list->setViewStyle(TViewStyle::vsReport);
    list->resize(500, 200);
    list->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    show(temp.path());
    list->SortDefault();
    list->setSelected(list->Item(0), true);
    list->setSelected(list->Item(2), true);

    QAbstractItemView* view = list->CurrentView();
    QWidget* viewport = view->viewport();
    const QPoint start = view->visualRect(list->Model()->index(0, 0)).center();
    QList<QUrl> dragged;
    QObject* dragSource = nullptr;
    bool dragRan = false;
    auto readDrag = [&] {
        if (auto* drag = view->findChild<QDrag*>(); drag && !dragRan) {
            dragRan = true;
            dragSource = drag->source();
            dragged = drag->mimeData()->urls();
        }
    };
    auto move = [viewport](QPoint point) {
        QMouseEvent event(QEvent::MouseMove, point, viewport->mapToGlobal(point), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    const int distance = QApplication::startDragDistance() + 5;
    move(start + QPoint(2, 0));
    // Armed only now: the timer runs inside the drag's own event loop.
    QTimer::singleShot(0, viewport, [&] {
        readDrag();
        QDrag::cancel();
    });
    move(start + QPoint(distance, distance));
    readDrag();
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(distance, distance));

    ASSERT_TRUE(dragRan);
    EXPECT_EQ(dragged, (QList<QUrl>{QUrl::fromLocalFile(temp.path(QStringLiteral("a.scn"))),
                                    QUrl::fromLocalFile(temp.path(QStringLiteral("c.scn")))}));
    EXPECT_EQ(TSystemListView::FromDragSource(dragSource), list.get());
    // Pressing on a selected item kept the whole selection for the drag.
    EXPECT_EQ(list->SelCount(), 2);
}

// In manual drag mode the same gesture starts no drag.
TEST_F(SystemListViewTest, ManualDragModeStartsNoDrag) {
    temp.makeFile(QStringLiteral("a.scn"));
    list->setViewStyle(TViewStyle::vsReport);
    list->resize(500, 200);
    list->show();
    show(temp.path());
    QAbstractItemView* view = list->CurrentView();
    QWidget* viewport = view->viewport();
    const QPoint start = view->visualRect(list->Model()->index(0, 0)).center();
    bool dragRan = false;
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTimer::singleShot(0, viewport, [&] {
        dragRan = view->findChild<QDrag*>() != nullptr;
        QDrag::cancel();
    });
    for (const QPoint step : {QPoint(2, 0), QPoint(30, 30)}) {
        QMouseEvent event(QEvent::MouseMove, start + step, viewport->mapToGlobal(start + step),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
    dragRan = dragRan || view->findChild<QDrag*>() != nullptr;
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, start + QPoint(30, 30));
    QApplication::processEvents();
    EXPECT_FALSE(dragRan);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST_F(SystemListViewTest, DoubleClickEntersFoldersAndOpensFiles) {
    temp.makeFile(QStringLiteral("sub/inner.scn"));
    temp.makeFile(QStringLiteral("doc.scn"));
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    list->setViewStyle(TViewStyle::vsReport);
    list->resize(500, 300);
    list->show();
    show(temp.path());
    list->SortDefault();
    auto* view = list->CurrentView();
    QApplication::processEvents();
    const QPoint docPoint = view->visualRect(list->Model()->index(1, 0)).center();
    doubleClick(view->viewport(), docPoint);
    EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(temp.path(QStringLiteral("doc.scn")))});
    const QPoint subPoint = view->visualRect(list->Model()->index(0, 0)).center();
    doubleClick(view->viewport(), subPoint);
    EXPECT_EQ(captions(*list), QStringList{QStringLiteral("inner.scn")});
    EXPECT_EQ(SHGetPathFromIDList(list->CurrentID()), temp.path(QStringLiteral("sub")));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    int handled = 0;
    list->OnDblClick = [&handled](TSystemListView*, TListItem*) { ++handled; };
    QApplication::processEvents();
    doubleClick(view->viewport(), view->visualRect(list->Model()->index(0, 0)).center());
    EXPECT_EQ(handled, 1);
}

TEST_F(SystemListViewTest, RightClickShowsTheShellMenuForTheItem) {
    temp.makeFile(QStringLiteral("a.scn"));
    temp.makeFile(QStringLiteral("b.scn"));
    list->setViewStyle(TViewStyle::vsReport);
    list->resize(500, 300);
    list->show();
    show(temp.path());
    list->SortDefault();
    QMenu userMenu;
    userMenu.addAction(QStringLiteral("User"));
    list->setPopupMenu(&userMenu);
    QStringList shown;
    auto closeMenu = [&shown] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (QAction* action : popup->actions())
                shown << action->text();
            popup->close();
        }
    };
    QTimer::singleShot(100, closeMenu);
    auto* view = list->CurrentView();
    QApplication::processEvents();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                      view->visualRect(list->Model()->index(1, 0)).center());
    EXPECT_TRUE(shown.contains(QStringLiteral("&Open")));
    EXPECT_TRUE(shown.contains(QStringLiteral("&Copy Path")));
    ASSERT_NE(list->Selected(), nullptr);
    EXPECT_EQ(list->Selected()->Caption, QStringLiteral("b.scn"));

    // No item under the mouse: the control's own menu.
    shown.clear();
    QTimer::singleShot(100, closeMenu);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(200, 250));
    WaitFor([&shown] { return !shown.isEmpty(); }, 2000);
    EXPECT_EQ(shown, QStringList{QStringLiteral("User")});

    // pmmNone: nothing at all.
    list->setPopupMenuMethod(TPopupMenuMethod::pmmNone);
    shown.clear();
    QTimer::singleShot(100, closeMenu);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {},
                      view->visualRect(list->Model()->index(0, 0)).center());
    Settle(200);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(SystemListViewTest, InPlaceRenameOnlyWhenNotReadOnly) {
    temp.makeFile(QStringLiteral("old.scn"));
    temp.makeFile(QStringLiteral("taken.scn"));
    list->setReadOnly(true);
    show(temp.path());
    list->SortDefault();
    const QModelIndex first = list->Model()->index(0, 0);
    EXPECT_FALSE(list->Model()->flags(first) & Qt::ItemIsEditable);
    EXPECT_FALSE(list->Model()->setData(first, QStringLiteral("new.scn"), Qt::EditRole));
    list->setReadOnly(false);
    EXPECT_TRUE(list->Model()->flags(first) & Qt::ItemIsEditable);
    EXPECT_FALSE(list->Model()->setData(first, QStringLiteral("taken.scn"), Qt::EditRole));
    EXPECT_EQ(list->Item(0)->Caption, QStringLiteral("old.scn"));
    ASSERT_TRUE(list->Model()->setData(first, QStringLiteral("new.scn"), Qt::EditRole));
    EXPECT_EQ(list->Item(0)->Caption, QStringLiteral("new.scn"));
    EXPECT_EQ(list->GetItemPath(list->Item(0)), temp.path(QStringLiteral("new.scn")));
    EXPECT_TRUE(QFile::exists(temp.path(QStringLiteral("new.scn"))));
    EXPECT_FALSE(QFile::exists(temp.path(QStringLiteral("old.scn"))));
    EXPECT_EQ(list->FindItemByID(list->Item(0)->Data->RelativeID), list->Item(0));
}

TEST_F(SystemListViewTest, ReportViewPaintsIconsAndTextsInTheirColumns) {
    temp.makeFile(QStringLiteral("picture.scn"), 2048);
    list->setViewStyle(TViewStyle::vsReport);
    list->resize(600, 200);
    list->show();
    show(temp.path());
    QApplication::processEvents();
    auto* view = static_cast<QTreeView*>(list->CurrentView());
    const QImage image = view->viewport()->grab().toImage();
    const QRect row = view->visualRect(list->Model()->index(0, 0));
    const QColor background = image.pixelColor(row.right(), row.bottom() + 20);
    auto differs = [&](int left, int right) {
        for (int x = left; x < right; ++x)
            for (int y = row.center().y() - 3; y <= row.center().y() + 3; ++y)
                if (image.pixelColor(x, y) != background)
                    return true;
        return false;
    };
    const int iconSize = SetupImageLists(TImageListSize::Small).iconSize;
    EXPECT_TRUE(differs(row.left(), row.left() + iconSize + 4)); // the icon
    const QRect size = view->visualRect(list->Model()->index(0, 1));
    EXPECT_TRUE(differs(size.center().x(), size.right())); // right-aligned "3 KB"
    EXPECT_FALSE(differs(size.left() + 1, size.left() + 6));
    EXPECT_EQ(list->Item(0)->SubItems[0], QStringLiteral("3 KB"));
}

TEST_F(SystemListViewTest, AutoscrollFollowsTheMouseNearTheBottom) {
    for (int i = 0; i < 60; ++i)
        temp.makeFile(QStringLiteral("file%1.scn").arg(i, 2, 10, QChar(u'0')));
    list->setViewStyle(TViewStyle::vsReport);
    list->resize(400, 150);
    list->show();
    show(temp.path());
    QApplication::processEvents();
    auto* view = list->CurrentView();
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const QPoint nearBottom(100, view->viewport()->height() - 3);
    QTest::mouseMove(view->viewport(), nearBottom);
    EXPECT_EQ(bar->value(), 0);
    list->setAutoscroll(true);
    QTest::mouseMove(view->viewport(), nearBottom - QPoint(0, 1));
    EXPECT_GT(bar->value(), 0);
}

TEST_F(SystemListViewTest, ColorPaintsTheBackgroundAndExitIsReported) {
    list->setViewStyle(TViewStyle::vsReport);
    list->setColor(QColor(0x12, 0x34, 0x56));
    list->resize(200, 100);
    QWidget other;
    int exits = 0;
    list->OnExit = [&exits](TSystemListView*) { ++exits; };
    list->show();
    QApplication::processEvents();
    const QImage image = list->CurrentView()->viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 5), QColor(0x12, 0x34, 0x56));
    list->activateWindow();
    list->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(list->CurrentView()->hasFocus());
    // A popup menu opening over the list is no exit: its commands act on the list.
    QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(list->CurrentView(), &popupOut);
    QFocusEvent dialogOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(list->CurrentView(), &dialogOut);
    EXPECT_EQ(exits, 0);
    list->CurrentView()->clearFocus();
    EXPECT_EQ(exits, 1);
}

// A report of a few files, shown, for the paint and mouse tests below.
class ReportListTest : public SystemListViewTest {
protected:
    void SetUp() override {
        temp.makeFile(QStringLiteral("a.scn"), 100);
        temp.makeFile(QStringLiteral("b.scn"), 100);
        temp.makeFile(QStringLiteral("c.scn"), 100);
        list->setViewStyle(TViewStyle::vsReport);
        list->resize(600, 200);
        list->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
        show(temp.path());
        list->SortDefault();
    }
    QWidget* viewport() const { return list->CurrentView()->viewport(); }
    QRect cell(int row, int column) const {
        return list->CurrentView()->visualRect(list->Model()->index(row, column));
    }
    QImage picture() const {
        QApplication::processEvents();
        return viewport()->grab().toImage();
    }
    // A palette colour as the 8-bit picture holds it.
    QColor colour(QPalette::ColorRole role) const {
        return QColor(viewport()->palette().color(role).rgb());
    }
    int pixelsOf(const QImage& image, const QRect& area, const QColor& wanted) const {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixelColor(x, y) == wanted ? 1 : 0;
        return count;
    }
};

TEST_F(ReportListTest, GridLinesAreDrawnBetweenTheCells) {
    ASSERT_NE(colour(QPalette::Button), colour(QPalette::Base));
    const QPoint underSize(cell(0, 1).center().x(), cell(0, 1).bottom());
    EXPECT_NE(picture().pixelColor(underSize), colour(QPalette::Button));
    list->setGridLines(true);
    QImage image = picture();
    EXPECT_EQ(image.pixelColor(underSize), colour(QPalette::Button));
    EXPECT_EQ(image.pixelColor(cell(1, 2).right(), cell(1, 2).center().y()),
              colour(QPalette::Button));
    list->setGridLines(false);
    EXPECT_NE(picture().pixelColor(underSize), colour(QPalette::Button));
}

TEST_F(ReportListTest, WithoutRowSelectOnlyTheNameIsTheItem) {
    list->setSelected(list->Item(0), true);
    // Left of the right-aligned size text there is no text: only the selection shows there.
    const QPoint inSize(cell(0, 1).left() + 3, cell(0, 1).center().y());
    const QPoint inName(cell(0, 0).right() - 3, cell(0, 0).center().y());
    QImage image = picture();
    EXPECT_EQ(image.pixelColor(inSize), colour(QPalette::Base));
    EXPECT_NE(image.pixelColor(inName), colour(QPalette::Base));
    // A click on another cell of a row is a click on empty space.
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell(1, 2).center());
    EXPECT_EQ(list->SelCount(), 0);
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell(1, 0).center());
    EXPECT_EQ(list->Selected(), list->Item(1));

    list->setRowSelect(true);
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, cell(2, 2).center());
    EXPECT_EQ(list->Selected(), list->Item(2));
    EXPECT_EQ(list->SelCount(), 1);
    image = picture();
    EXPECT_NE(image.pixelColor(cell(2, 1).left() + 3, cell(2, 1).center().y()),
              colour(QPalette::Base));
}

TEST_F(ReportListTest, HotTrackMarksTheItemUnderTheMouse) {
    const QColor hot = colour(QPalette::Highlight);
    QTest::mouseMove(viewport(), cell(1, 0).center());
    EXPECT_EQ(pixelsOf(picture(), cell(1, 0), hot), 0);
    list->setHotTrack(true);
    QTest::mouseMove(viewport(), cell(1, 0).center() + QPoint(1, 0));
    QImage image = picture();
    EXPECT_GT(pixelsOf(image, cell(1, 0), hot), 5);
    EXPECT_EQ(pixelsOf(image, cell(0, 0), hot), 0);
    QTest::mouseMove(viewport(), cell(2, 0).center());
    image = picture();
    EXPECT_EQ(pixelsOf(image, cell(1, 0), hot), 0);
    EXPECT_GT(pixelsOf(image, cell(2, 0), hot), 5);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(viewport(), &leave);
    EXPECT_EQ(pixelsOf(picture(), cell(2, 0), hot), 0);
}

TEST_F(ReportListTest, CheckboxesAreShownAndToggledByTheMouse) {
    EXPECT_FALSE(list->Model()->index(0, 0).data(Qt::CheckStateRole).isValid());
    list->setCheckboxes(true);
    EXPECT_EQ(list->Model()->index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(list->Model()->index(0, 1).data(Qt::CheckStateRole).isValid());
    QStyleOptionViewItem option;
    option.initFrom(list->CurrentView());
    option.rect = cell(1, 0);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = list->CurrentView()->style()->subElementRect(
        QStyle::SE_ItemViewItemCheckIndicator, &option, list->CurrentView());
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_TRUE(list->Item(1)->Checked);
    EXPECT_FALSE(list->Item(0)->Checked);
    QTest::mouseClick(viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_FALSE(list->Item(1)->Checked);
    list->setCheckboxes(false);
    EXPECT_FALSE(list->Model()->index(1, 0).data(Qt::CheckStateRole).isValid());
}

TEST_F(ReportListTest, IconOptionsArrangeTheIconViews) {
    list->setViewStyle(TViewStyle::vsIcon);
    auto* view = qobject_cast<QListView*>(list->CurrentView());
    ASSERT_TRUE(view);
    QApplication::processEvents();
    EXPECT_GT(cell(1, 0).left(), cell(0, 0).left());
    EXPECT_EQ(view->resizeMode(), QListView::Fixed);
    EXPECT_TRUE(view->wordWrap());
    list->setIconOptions({TIconArrangement::iaLeft, true, false});
    QApplication::processEvents();
    EXPECT_GT(cell(1, 0).top(), cell(0, 0).top());
    EXPECT_EQ(cell(1, 0).left(), cell(0, 0).left());
    EXPECT_EQ(view->resizeMode(), QListView::Adjust);
    EXPECT_FALSE(view->wordWrap());
    // The list style keeps its columns whatever the icon options say.
    list->setViewStyle(TViewStyle::vsList);
    EXPECT_EQ(view->flow(), QListView::TopToBottom);
    EXPECT_EQ(view->resizeMode(), QListView::Adjust);
}

} // namespace

#include "SystemListViewTest.moc"

TEST_F(SystemListViewTest, ToolTipsShowTheItemTextUnlessTurnedOff) {
    temp.makeFile(QStringLiteral("Dawn.scn"), 10);
    show(temp.path());
    ASSERT_GE(list->Count(), 1);
    EXPECT_TRUE(list->ToolTips());
    const QModelIndex first = list->Model()->index(0, 0);
    EXPECT_EQ(list->Model()->data(first, Qt::ToolTipRole).toString(), "Dawn.scn");
    list->setToolTips(false);
    EXPECT_FALSE(list->Model()->data(first, Qt::ToolTipRole).isValid());
}
