#include "ChromeContext.h"
#include "DropdownMenuRouter.h"
#include "ImageList.h"
#include "MenuItems.h"
#include "OfficeMenus.h"
#include "PopupTestSupport.h"
#include "SystemColors.h"
#include "ToolbarButtons.h"

#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QRgb Magenta = qRgb(255, 0, 255);

// Glyphs of 16 x 16 cells on magenta; each cell carries its own colour at (8, 8).
QImage strip(int cells) {
    QImage image(16 * cells, 16, QImage::Format_RGB32);
    image.fill(Magenta);
    for (int i = 0; i < cells; ++i)
        image.setPixel(16 * i + 8, 8, qRgb(10 * (i + 1), 0, 0));
    return image;
}

class ButtonLook : public ::testing::Test {
protected:
    void SetUp() override {
        m_bar.setGeometry(100, 100, 300, 60);
        m_bar.show();
        m_bar.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_bar));
        parkMouse(&m_bar);
        m_button = new TToolbarButton(&m_bar);
        m_button->setGeometry(10, 10, 23, 22);
        m_button->show();
    }

    void TearDown() override { closeAllPopups(); }

    QRgb glyphCentre() { return m_button->grab().toImage().pixel(4 + 8, 3 + 8); }

    QWidget m_bar;
    TToolbarButton* m_button = nullptr;
};

} // namespace

TEST_F(ButtonLook, EachStateShowsItsOwnCell) {
    m_button->setGlyph(strip(5));
    ASSERT_EQ(m_button->NumGlyphs(), 5);
    EXPECT_EQ(glyphCentre(), qRgb(10, 0, 0));
    QTest::mouseMove(m_button, {2, 2});
    EXPECT_EQ(glyphCentre(), qRgb(50, 0, 0)) << "the hot cell";
    QTest::mousePress(m_button, Qt::LeftButton, {}, {2, 2});
    EXPECT_EQ(m_button->grab().toImage().pixel(4 + 8 + 1, 3 + 8 + 1), qRgb(30, 0, 0)) << "pressed cell, shifted";
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, {2, 2});
}

TEST_F(ButtonLook, SuppliedDisabledCellTakesTheSystemColours) {
    QImage glyph = strip(2);
    glyph.setPixel(16 + 3, 3, qRgb(255, 255, 255));
    glyph.setPixel(16 + 4, 3, qRgb(128, 128, 128));
    m_button->setGlyph(glyph);
    m_button->setEnabled(false);
    const QImage shot = m_button->grab().toImage();
    EXPECT_EQ(shot.pixel(4 + 3, 3 + 3), SystemColors::btnHighlight().rgb());
    EXPECT_EQ(shot.pixel(4 + 4, 3 + 3), SystemColors::btnShadow().rgb());
    EXPECT_EQ(shot.pixel(4 + 8, 3 + 8), qRgb(20, 0, 0));
}

TEST_F(ButtonLook, SystemColourChangeMakesNewImages) {
    QImage glyph = strip(1);
    glyph.setPixel(2, 2, qRgb(0, 0, 0));
    m_button->setGlyph(glyph);
    m_button->setEnabled(false);
    EXPECT_EQ(m_button->grab().toImage().pixel(4 + 3, 3 + 3), SystemColors::btnHighlight().rgb());
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::Light, QColor(1, 2, 3));
    QApplication::setPalette(changed);
    EXPECT_EQ(m_button->grab().toImage().pixel(4 + 3, 3 + 3), qRgb(1, 2, 3));
    QApplication::setPalette(original);
}

TEST_F(ButtonLook, ImageListPicturesAndMissingIndexes) {
    TImageList images(16, 16);
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Magenta);
    picture.setPixel(8, 8, qRgb(0, 90, 0));
    EXPECT_EQ(images.Add(picture), 0);
    EXPECT_EQ(images.Add(QImage(8, 8, QImage::Format_RGB32)), -1) << "wrong size is refused";
    m_button->setImages(&images);
    m_button->setImageIndex(0);
    EXPECT_EQ(glyphCentre(), qRgb(0, 90, 0));
    m_button->setImageIndex(5);
    EXPECT_EQ(glyphCentre(), SystemColors::btnFace().rgb()) << "an index outside the list draws nothing";
    {
        TImageList temporary(16, 16);
        m_button->setImages(&temporary);
    }
    EXPECT_EQ(m_button->Images(), nullptr);
}

TEST_F(ButtonLook, DisabledCaptionAndArrowAreEmbossed) {
    TOfficePopupMenu menu;
    menu.AddItem("&New");
    m_button->setGeometry(10, 10, 60, 22);
    m_button->setCaption("File");
    m_button->setDropdownMenu(&menu);
    auto colours = [&] {
        QSet<QRgb> seen;
        const QImage shot = m_button->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                seen.insert(shot.pixel(x, y));
        return seen;
    };
    const QRgb text = m_button->palette().color(QPalette::WindowText).rgb();
    EXPECT_TRUE(colours().contains(text));
    m_button->setEnabled(false);
    const QSet<QRgb> disabled = colours();
    EXPECT_FALSE(disabled.contains(text));
    EXPECT_TRUE(disabled.contains(SystemColors::btnShadow().rgb()));
    EXPECT_TRUE(disabled.contains(SystemColors::btnHighlight().rgb()));
}

TEST_F(ButtonLook, DropdownArrowIsAFiveByThreeTriangle) {
    m_button->setGeometry(10, 10, 23, 22);
    m_button->setDropdownAlways(true);
    m_button->setMargin(0);
    const QImage shot = m_button->grab().toImage();
    // No glyph, no caption: the arrow starts at the content's left + margin + 1, centred vertically.
    const QRgb text = m_button->palette().color(QPalette::WindowText).rgb();
    const int left = 1 + 0 + 1;
    // The empty caption's top is (20 + 1) div 2; the arrow's top is that + (0 - 3) div 2.
    const int top = 1 + (20 + 1) / 2 + (0 - 3) / 2;
    const int c = left + 9 / 2;
    int inked = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            inked += shot.pixel(x, y) == text;
    EXPECT_EQ(inked, 5 + 3 + 1);
    EXPECT_EQ(shot.pixel(c - 2, top), text);
    EXPECT_EQ(shot.pixel(c + 2, top), text);
    EXPECT_EQ(shot.pixel(c, top + 2), text);
}

TEST(DropdownRouter, PlainMenuHintAndHelpReachTheApplication) {
    TChromeContext chrome;
    QWidget bar;
    chrome.attachTo(&bar);
    bar.setGeometry(100, 100, 200, 50);
    bar.show();
    bar.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&bar));
    auto* menu = new QMenu(&bar);
    auto* item = new TMenuItem("&Contents", menu);
    item->setHint("Shows the manual");
    item->setHelpContext(42);
    menu->addAction(item);
    auto* button = new TToolbarButton(&bar);
    button->setDropdownMenu(menu);
    button->show();
    ASSERT_NE(TDropdownMenuRouter::instance(), nullptr);
    TToolbarButton other(&bar);
    other.setDropdownMenu(menu);
    EXPECT_EQ(TDropdownMenuRouter::instance()->menuCount(), 1) << "each menu is registered once";

    QSignalSpy help(&chrome.events(), &TApplicationEvents::OnHelp);
    QString hintWhileOpen;
    whenPopupShown([&](QMenu* popup) {
        popup->setActiveAction(item);
        hintWhileOpen = chrome.events().Hint();
        QTest::keyClick(popup, Qt::Key_F1);
        popup->close();
    });
    QTest::mouseClick(button, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(hintWhileOpen, "Shows the manual");
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.first().at(0).toInt(), 42);
    delete menu;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TDropdownMenuRouter::instance(), nullptr) << "released with its last menu";
}

// The menus share the router: it goes with the last of them at once, not through the event
// loop, which may have stopped by then (at the program's end it never runs again).
TEST(DropdownRouter, GoesWithItsLastMenuWithoutTheEventLoop) {
    QWidget bar;
    auto* first = new QMenu(&bar);
    auto* second = new QMenu(&bar);
    TToolbarButton button(&bar);
    button.setDropdownMenu(first);
    TToolbarButton other(&bar);
    other.setDropdownMenu(second);
    ASSERT_NE(TDropdownMenuRouter::instance(), nullptr);
    EXPECT_EQ(TDropdownMenuRouter::instance()->menuCount(), 2);
    delete first;
    ASSERT_NE(TDropdownMenuRouter::instance(), nullptr);
    EXPECT_EQ(TDropdownMenuRouter::instance()->menuCount(), 1);
    const QPointer<TDropdownMenuRouter> router = TDropdownMenuRouter::instance();
    delete second;
    EXPECT_EQ(TDropdownMenuRouter::instance(), nullptr);
    EXPECT_TRUE(router.isNull()) << "destroyed, not left to an event loop";
}
