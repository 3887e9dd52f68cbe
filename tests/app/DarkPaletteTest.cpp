// The whole window under a dark desktop palette, switched while it is on screen: every part
// takes the palette's colours and stays readable, disabled pictures included.
#include "../chrome/PopupTestSupport.h"
#include "About.h"
#include "DarkPalette.h"
#include "Main.h"
#include "OfficeMenus.h"
#include "Options.h"
#include "QtPaths.h"
#include "QtPrinters.h"
#include "ScenarioListView.h"
#include "ScriptedDialogs.h"
#include "SystemListView.h"
#include "SystemTreeView.h"
#include "TempFolder.h"
#include "ToolbarButtons.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Pixels of the area that stand out from the face colour by at least `contrast` in lightness.
int visiblePixels(const QImage& image, const QRect& area, const QColor& face, int contrast = 25) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (std::abs(image.pixelColor(x, y).lightness() - face.lightness()) >= contrast)
                ++count;
    return count;
}

QImage grabOf(QWidget* widget) {
    return widget->grab().toImage();
}

void hover(QWidget* widget) {
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The strip left of the names of the tree's rows below the root: dotted lines and +/- boxes.
QRect treeBranches(QTreeWidget* tree) {
    QTreeWidgetItem* root = tree->topLevelItem(0);
    QRect area;
    for (int i = 0; i < root->childCount(); ++i)
        if (!root->child(i)->isSelected()) {
            const QRect row = tree->visualItemRect(root->child(i));
            area |= QRect(0, row.top(), row.left() - 2, row.height());
        }
    return area;
}

} // namespace

class MainWindowDarkPalette : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(SampleFile("good/Three.cpx"), folder / "Three.cpx");
        form = std::make_unique<TForm1>(dialogs, QStringList{folder.path("Three.cpx")});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        dark = std::make_unique<TDarkPaletteScope>();
        QApplication::processEvents();
    }
    void TearDown() override {
        form.reset();
        dark.reset();
    }

    const QPalette palette = DarkPalette();
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TDarkPaletteScope> dark;
};

TEST_F(MainWindowDarkPalette, ListsAndTreeAreDarkWithLightNames) {
    const QColor base = palette.color(QPalette::Base);
    for (QWidget* viewport : {form->SystemTreeView->viewport(),
                              form->SystemListView->CurrentView()->viewport(),
                              form->ScenarioListView->viewport()}) {
        const QImage image = grabOf(viewport);
        EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), base)
            << viewport->parentWidget()->metaObject()->className();
    }
    const QImage scenarios = grabOf(form->ScenarioListView->viewport());
    const QRect firstRow =
        form->ScenarioListView->visualRect(form->ScenarioListView->model()->index(0, 0));
    EXPECT_GT(LightPixels(scenarios, firstRow), 10) << "the scenario's name is light on dark";
    const QImage tree = grabOf(form->SystemTreeView->viewport());
    EXPECT_GT(LightPixels(tree, form->SystemTreeView->visualItemRect(
                                    form->SystemTreeView->topLevelItem(0)->child(0))),
              10)
        << "a folder's name is light on dark";
}

TEST_F(MainWindowDarkPalette, MenuBarCaptionsAndDisabledPicturesStayVisible) {
    const QColor face = palette.color(QPalette::Button);
    const QImage file = grabOf(form->Bars.FileMenuBtn);
    EXPECT_EQ(file.pixelColor(1, 1), face);
    EXPECT_GT(LightPixels(file, file.rect()), 10) << "the caption is drawn in the light text colour";

    ASSERT_FALSE(form->Bars.Button(TCommandId::Add)->isEnabled());
    const QImage add = grabOf(form->Bars.Button(TCommandId::Add));
    EXPECT_GT(visiblePixels(add, add.rect().adjusted(3, 3, -3, -3), face), 20)
        << "the disabled picture shows on the dark face";
}

TEST_F(MainWindowDarkPalette, MenusDrawOnTheDarkMenuColourWithLightItems) {
    QImage shot;
    QRect addRect;
    whenPopupShown([&](QMenu* menu) {
        shot = menu->grab().toImage();
        addRect = menu->actionGeometry(menu->actions().at(0));
        menu->close();
    });
    form->Menus.FileMenu->Popup(100, 100);
    ASSERT_FALSE(shot.isNull());
    const QColor menuColour = palette.color(QPalette::Window);
    EXPECT_EQ(shot.pixelColor(addRect.right() - 2, addRect.center().y()), menuColour);
    EXPECT_GT(LightPixels(shot, addRect), 10) << "New is drawn light on the dark menu";

    shot = QImage();
    whenPopupShown([&](QMenu* menu) {
        shot = menu->grab().toImage();
        addRect = menu->actionGeometry(menu->actions().at(0));
        menu->close();
    });
    form->Menus.ScenarioMenu->Popup(100, 100);
    ASSERT_FALSE(shot.isNull());
    EXPECT_GT(visiblePixels(shot, addRect, menuColour), 20) << "a disabled item stays readable";
}

TEST_F(MainWindowDarkPalette, TheOptionsDialogIsDarkWithLightLabels) {
    TOptionsForm options;
    options.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&options));
    const QImage image = grabOf(&options);
    EXPECT_EQ(image.pixelColor(3, image.height() - 3), palette.color(QPalette::Window));
    const QImage label = grabOf(options.lTitle);
    EXPECT_GT(LightPixels(label, label.rect()), 10) << "Campaign Title: is light on dark";
}

TEST_F(MainWindowDarkPalette, LinksLinesAndPicturesStandOutFromTheirGround) {
    TAboutForm about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_EQ(about.lEMail->palette().color(QPalette::WindowText), palette.color(QPalette::Link))
        << "a readable link colour of the palette is taken as it is";
    const auto whole = [](QWidget* widget, QRect area) {
        return [widget, area] { return std::pair(grabOf(widget), area); };
    };
    TToolbarButton* open = form->Bars.Button(TCommandId::Open);
    // The picture of the File menu's first item, New, in its box at the item's left.
    const auto menuPicture = [this] {
        std::pair<QImage, QRect> drawn;
        whenPopupShown([&](QMenu* menu) {
            const QRect item = menu->actionGeometry(menu->actions().at(0));
            drawn = {menu->grab().toImage(),
                     QRect(item.left() + 2, item.top() + 2, item.height() - 4, item.height() - 4)};
            menu->close();
        });
        form->Menus.FileMenu->Popup(100, 100);
        return drawn;
    };
    struct Case {
        const char* what;
        std::function<std::pair<QImage, QRect>()> drawn;
        QColor ground;
        TInk ink;
        double minimum;
    };
    const Case cases[] = {
        {"the About box's mail link", whole(about.lEMail, about.lEMail->rect()),
         palette.color(QPalette::Window), TInk::Strongest, 4.5},
        {"the mail link under the mouse",
         [&] {
             hover(about.lEMail);
             return whole(about.lEMail, about.lEMail->rect())();
         },
         palette.color(QPalette::Window), TInk::Strongest, 4.5},
        {"a toolbar picture", whole(open, open->rect().adjusted(2, 2, -2, -2)),
         palette.color(QPalette::Button), TInk::EveryPixel, 3},
        {"a menu picture", menuPicture, palette.color(QPalette::Button), TInk::EveryPixel, 3},
        {"the folder tree's lines and boxes",
         whole(form->SystemTreeView->viewport(), treeBranches(form->SystemTreeView)),
         palette.color(QPalette::Base), TInk::EveryPixel, 3},
    };
    for (const Case& c : cases) {
        const auto [image, area] = c.drawn();
        EXPECT_GE(InkContrast(image, area, c.ground, c.ink), c.minimum) << c.what;
    }
}
