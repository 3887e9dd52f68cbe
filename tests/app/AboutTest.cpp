#include "About.h"

#include "ErrorReporter.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

TEST(MemoryFigureText, WholeKilobytesWithThousandsSeparators) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(MemoryFigureText(128ull << 20, english), "131,072 KB");
    EXPECT_EQ(MemoryFigureText(2ull << 30, english), "2,097,152 KB");
    EXPECT_EQ(MemoryFigureText(8ull << 30, english), "8,388,608 KB")
        << "past 4 GiB: counted in 64 bits";
    EXPECT_EQ(MemoryFigureText(1023, english), "0 KB");
    EXPECT_EQ(MemoryFigureText(128ull << 20, QLocale(QLocale::German)), "131.072 KB");
}

TEST(AboutForm, IsLaidOutAsItHasAlwaysBeen) {
    TAboutForm form;
    EXPECT_EQ(form.windowTitle(), "About...");
    EXPECT_EQ(form.size(), QSize(377, 257));
    EXPECT_EQ(form.Icon->geometry(), QRect(8, 8, 20, 31)) << "sized to the emblem";
    EXPECT_EQ(form.imgEMail->pixmap().size(), QSize(23, 15));
    const QImage emblem = form.Icon->pixmap().toImage();
    EXPECT_EQ(emblem.pixelColor(0, emblem.height() - 1).alpha(), 0)
        << "the emblem's background is transparent";
    EXPECT_EQ(form.lQOR->text(), "Quorvane");
    EXPECT_EQ(form.lQOR->pos(), QPoint(56, 8));
    EXPECT_TRUE(form.lQOR->font().bold());
    EXPECT_EQ(form.lQOR->font().pointSize(), 14);
    EXPECT_EQ(form.lBrindlewick->font().pointSize(), 28);
    EXPECT_EQ(form.lVer->text(), "Version 2.0");
    EXPECT_EQ(form.lComment->text(), "Comments and suggestions to:");
    EXPECT_EQ(form.imgEMail->geometry(), QRect(56, 152, 23, 15));
    EXPECT_EQ(form.lEMail->pos(), QPoint(84, 152));
    EXPECT_TRUE(form.lEMail->font().underline());
    EXPECT_EQ(form.Divider->geometry(), QRect(56, 176, 305, 2));
    EXPECT_EQ(form.lFreeMem->text(), "Memory available to Windows:");
    EXPECT_TRUE(form.lMem->text().endsWith(" KB"));
    EXPECT_EQ(form.lMem->geometry().right() + 1, 356) << "right-aligned at 356";
    EXPECT_EQ(form.OKBtn->geometry(), QRect(288, 224, 75, 25));
    EXPECT_EQ(form.Webber->EMail, form.lEMail->text());
}

namespace {

// A mouse move with no button held, as the window system delivers it to a tracking widget.
void hover(QWidget* widget, QPoint position) {
    QMouseEvent move(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

TEST(AboutForm, TheLinkTurnsPurpleOverItAndBlueOverTheBackground) {
    TAboutForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const auto linkColor = [&] { return form.lEMail->palette().color(QPalette::WindowText); };
    EXPECT_EQ(linkColor(), QColor(0, 0, 255));
    hover(form.lEMail, QPoint(3, 3));
    EXPECT_EQ(linkColor(), QColor(128, 0, 128));
    hover(form.lVer, QPoint(2, 2));
    EXPECT_EQ(linkColor(), QColor(128, 0, 128)) << "other labels keep it purple";
    hover(&form, QPoint(20, 240));
    EXPECT_EQ(linkColor(), QColor(0, 0, 255));
    hover(form.imgEMail, QPoint(5, 5));
    EXPECT_EQ(linkColor(), QColor(128, 0, 128)) << "the envelope acts as the link";
}

TEST(DesktopIcon, HasATransparentBackgroundInEverySize) {
    for (const int size : {16, 32, 256}) {
        const QImage icon(
            QStringLiteral(BRINDLEWICK_DESKTOP_ICONS "/%1x%1/apps/brindlewick.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.pixelColor(0, size - 1).alpha(), 0) << size;
        EXPECT_EQ(icon.pixelColor(size - 1, 0).alpha(), 0) << size;
        EXPECT_GT(icon.pixelColor(size / 2, size / 2).alpha(), 0) << size;
    }
}

TEST(AboutForm, TheMailLinkIsReachedByTabAndOpensWithEnterOrSpaceAsAClickDoes) {
    TAboutForm form;
    int opened = 0;
    form.OpenMail = [&](const TGoToWeb& launcher) {
        EXPECT_EQ(&launcher, form.Webber);
        ++opened;
    };
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.OKBtn) << "the box still opens on its button";
    const QImage unfocused = form.lEMail->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), form.lEMail);
    EXPECT_NE(form.lEMail->grab().toImage(), unfocused) << "a focus frame shows where it is";
    QTest::keyClick(form.lEMail, Qt::Key_Return);
    EXPECT_EQ(opened, 1);
    QTest::keyClick(form.lEMail, Qt::Key_Space);
    EXPECT_EQ(opened, 2);
    QTest::mouseClick(form.lEMail, Qt::LeftButton);
    EXPECT_EQ(opened, 3) << "a click takes the same way";
    EXPECT_TRUE(form.isVisible()) << "Enter on the link is not the box's OK";
}

TEST(AboutForm, AMailLinkThatCannotOpenIsReportedNotThrownThroughTheEventLoop) {
    struct TRecordingReporter : TErrorReporter {
        std::vector<std::string> Errors;
        void reportError(const std::exception& error) override { Errors.push_back(error.what()); }
    } reporter;
    TAboutForm form;
    form.setErrorReporter(&reporter);
    form.OpenMail = [](const TGoToWeb&) { throw std::runtime_error("No web browser"); };
    form.show();
    QTest::keyClick(form.lEMail, Qt::Key_Return);
    QTest::mouseClick(form.lEMail, Qt::LeftButton);
    EXPECT_EQ(reporter.Errors, (std::vector<std::string>{"No web browser", "No web browser"}));
}
