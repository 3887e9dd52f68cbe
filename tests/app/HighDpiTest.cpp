// Pictures on screens with a scale factor: every picture pixel becomes a block of whole screen
// pixels, never a blur of its neighbours' colours.
#include "../chrome/PopupTestSupport.h"
#include "Main.h"
#include "MainToolbars.h"
#include "PixelArtIcon.h"
#include "ProgramPictures.h"
#include "QtPaths.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "ToolbarButtons.h"

#include <QPushButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QSet<QRgb> coloursOf(const QImage& image, const QRect& area) {
    QSet<QRgb> colours;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRect inside = area.intersected(argb.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            colours.insert(argb.pixel(x, y));
    return colours;
}

// Colours of the area that are neither the picture's nor the face's around it: blur.
int blurredPixels(const QImage& shown, const QRect& pictureArea, const QImage& picture) {
    QSet<QRgb> allowed = coloursOf(picture, picture.rect());
    const QImage argb = shown.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < argb.width(); ++x)
        allowed.insert(argb.pixel(x, 0));
    int blurred = 0;
    const QRect inside = pictureArea.intersected(argb.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (!allowed.contains(argb.pixel(x, y)))
                ++blurred;
    return blurred;
}

QImage artWithEveryPixelDifferent() {
    QImage art(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            art.setPixel(x, y, qRgb(60 * x, 80 * y, 255 - 40 * x - 30 * y));
    return art;
}

} // namespace

TEST(PixelArtIcon, EachPixelBecomesABlockOfWholePixels) {
    const QImage art = artWithEveryPixelDifferent();
    const QImage grey = art.convertToFormat(QImage::Format_Grayscale8);
    const QIcon icon = PixelArtIcon(QPixmap::fromImage(art), QPixmap::fromImage(grey));
    for (const int scale : {1, 2, 3}) {
        const QImage shown =
            icon.pixmap(art.size(), scale).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), art.size() * scale) << scale;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                ASSERT_EQ(shown.pixel(x, y), art.pixel(x / scale, y / scale))
                    << "scale " << scale << " at " << x << "," << y;
    }
    const QImage halfAgain = icon.pixmap(art.size(), 1.5).toImage();
    EXPECT_TRUE(coloursOf(halfAgain, halfAgain.rect()).subtract(coloursOf(art, art.rect())).isEmpty())
        << "at 1.5 pixels are repeated, not blended";
    const QImage disabled = icon.pixmap(art.size(), 2.0, QIcon::Disabled).toImage();
    EXPECT_EQ(disabled.convertToFormat(QImage::Format_RGB32).pixel(0, 0),
              grey.convertToFormat(QImage::Format_RGB32).pixel(0, 0));
}

// Run by ctest with QT_SCALE_FACTOR 2 and 1.5: the real window's toolbar pictures stay sharp.
TEST(HighDpiWindow, ToolbarPicturesStaySharp) {
    const qreal scale = qApp->devicePixelRatio();
    if (scale == 1.0)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR";
    TempFolder folder;
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, {});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const auto pictureArea = [scale](QWidget* button, QSize picture) {
        const QRect logical(QPoint((button->width() - picture.width()) / 2,
                                   (button->height() - picture.height()) / 2),
                            picture);
        return QRect((QPointF(logical.topLeft()) * scale).toPoint(),
                     (QSizeF(logical.size()) * scale).toSize());
    };
    const QImage newStrip = ProgramPictures::load(TPicture::ToolbarNew);
    const QImage newPicture = newStrip.copy(0, 0, newStrip.width() / 2, newStrip.height());
    const QImage newShown = form.Bars.Control(TCommandId::New)->grab().toImage();
    EXPECT_EQ(blurredPixels(newShown, pictureArea(form.Bars.Control(TCommandId::New), newPicture.size()), newPicture), 0)
        << "New's picture at scale " << scale;

    const QImage openStrip = ProgramPictures::load(TPicture::ToolbarOpen);
    const QImage openShown = form.Bars.Button(TCommandId::Open)->grab().toImage();
    EXPECT_EQ(blurredPixels(openShown, pictureArea(form.Bars.Button(TCommandId::Open), QSize(17, 17)), openStrip), 0)
        << "Open's picture at scale " << scale;
}

// Run with the test above: a menu bar button's menu opens right under the button.
TEST(HighDpiWindow, MenusOpenUnderTheirButtons) {
    if (qApp->devicePixelRatio() == 1.0)
        GTEST_SKIP() << "needs QT_SCALE_FACTOR";
    ScriptedDialogs dialogs;
    TForm1 form(dialogs, {});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (TToolbarButton* button : {form.Bars.FileMenuBtn, form.Bars.HelpMenuBtn}) {
        QRect shown;
        whenPopupShown([&](QMenu* menu) {
            shown = menu->geometry();
            menu->close();
        });
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
        QApplication::processEvents();
        const QPoint underButton = button->mapToGlobal(QPoint(0, button->height()));
        EXPECT_NEAR(shown.left(), underButton.x(), 1) << button->Caption().toStdString();
        EXPECT_NEAR(shown.top(), underButton.y(), 2) << button->Caption().toStdString();
    }
}
