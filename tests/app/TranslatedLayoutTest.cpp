// In every shipped language the window's texts are whole: the menu bar's captions, the popup
// menus' items and the dialogs' labels and buttons. The captions the chrome draws itself are
// checked on their pixels; Qt's own controls by the size they ask for.
#include "About.h"
#include "Main.h"
#include "MarkingTranslator.h"
#include "MainToolbars.h"
#include "OfficeMenuPainter.h"
#include "OfficeMenus.h"
#include "Options.h"
#include "ProgramTranslation.h"
#include "ScriptedDialogs.h"
#include "ToolbarButtons.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A pixel of text or of a glyph, not of the light backgrounds menus and bars are drawn on.
bool isInk(QRgb pixel) {
    return qGray(pixel) < 128;
}

// Whether anything dark is drawn in the columns [from, to] of the rows [top, bottom].
bool inkIn(const QImage& image, int from, int to, int top, int bottom) {
    for (int x = std::max(from, 0); x <= std::min(to, image.width() - 1); ++x)
        for (int y = std::max(top, 0); y <= std::min(bottom, image.height() - 1); ++y)
            if (isInk(image.pixel(x, y)))
                return true;
    return false;
}

constexpr int Edge = 2;
constexpr int ButtonFrame = 2 * 6;

class TranslatedLayout : public ::testing::TestWithParam<const char*> {
protected:
    TProgramTranslation translation{QString::fromLatin1(GetParam())};
};

TEST_P(TranslatedLayout, TheMenuBarAndTheMenusShowWholeCaptions) {
    ASSERT_EQ(translation.Language(), QString::fromLatin1(GetParam()))
        << "the program ships this translation";
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, {});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const TMainToolbars& bars = form.Bars;
    for (TToolbarButton* button : {bars.FileMenuBtn, bars.EditMenuBtn, bars.ScenarioMenuBtn,
                                   bars.ViewMenuBtn, bars.HelpMenuBtn}) {
        const QImage image = button->grab().toImage();
        EXPECT_FALSE(inkIn(image, 0, Edge - 1, 0, image.height() - 1) ||
                     inkIn(image, image.width() - Edge, image.width() - 1, 0, image.height() - 1))
            << button->Caption().toStdString() << " is cut off";
    }

    const TMainMenus& menus = form.Menus;
    QList<QMenu*> popups{menus.FileMenu, menus.EditMenu, menus.ScenarioMenu, menus.ViewMenu,
                         menus.HelpMenu};
    for (QAction* action : menus.ScenarioMenu->actions())
        if (action->menu())
            popups << action->menu();
    for (QMenu* menu : popups) {
        menu->adjustSize();
        const QImage image = menu->grab().toImage();
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QRect row = menu->actionGeometry(action);
            EXPECT_FALSE(inkIn(image, row.right() - Edge + 1, row.right(), row.top(), row.bottom()))
                << action->text().toStdString() << " is cut off";
        }
    }
}

// Every label and button of a dialog asks for no more room than it has, and lies inside the
// dialog: a translated text is shown whole.
void expectWholeTexts(QWidget& dialog) {
    auto* book = dialog.findChild<QTabWidget*>();
    for (int page = 0; page < (book ? book->count() : 1); ++page) {
        if (book)
            book->setCurrentIndex(page);
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(&dialog))
                continue;
            QString text;
            int needed = 0;
            if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
                text = label->text();
                needed = label->sizeHint().width();
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                       button && !button->text().isEmpty()) {
                // The caption, without its accelerator mark, inside the button's frame.
                text = button->text();
                needed = button->fontMetrics().horizontalAdvance(
                             OfficeMenuPainter::displayedCaption(text)) +
                         ButtonFrame;
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                text = box->title();
                needed = box->fontMetrics().horizontalAdvance(text);
            } else {
                continue;
            }
            EXPECT_LE(needed, widget->width()) << text.toStdString() << " is cut off";
            const QRect inDialog(widget->mapTo(&dialog, QPoint(0, 0)), widget->size());
            EXPECT_TRUE(dialog.rect().contains(inDialog))
                << text.toStdString() << " runs out of the dialog";
        }
    }
}

void expectDialogsShowWholeTexts() {
    TOptionsForm options;
    expectWholeTexts(options);
    TAboutForm about;
    expectWholeTexts(about);
    EXPECT_LT(about.lFreeMem->geometry().right(), about.lMem->x())
        << "the memory figure stays clear of its label";
}

TEST_P(TranslatedLayout, TheDialogsGrowToTheirTexts) {
    ASSERT_EQ(translation.Language(), QString::fromLatin1(GetParam()));
    expectDialogsShowWholeTexts();
}

// Texts longer than any shipped translation's: each reads "context|source".
TEST(TranslatedLayout, TheDialogsGrowToTextsLongerThanTheirPlaces) {
    const MarkingTranslator longer;
    expectDialogsShowWholeTexts();
    EXPECT_GT(TOptionsForm().width(), 433) << "the Options dialog grew";
    EXPECT_GT(TAboutForm().width(), 377) << "the About box grew";
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedLayout, ::testing::Values("de", "zh_CN"));

// In English, with no translation, the dialogs keep the sizes they were designed with.
TEST(TranslatedLayout, EnglishKeepsTheDesignedSizes) {
    TOptionsForm options;
    EXPECT_EQ(options.size(), QSize(433, 473));
    EXPECT_EQ(options.HelpBtn->geometry(), QRect(352, 440, 75, 25));
    TAboutForm about;
    EXPECT_EQ(about.size(), QSize(377, 257));
    EXPECT_EQ(about.OKBtn->geometry(), QRect(288, 224, 75, 25));
    expectWholeTexts(options);
    expectWholeTexts(about);
}

} // namespace
