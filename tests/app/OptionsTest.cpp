#include "Options.h"

#include "Campaign.h"
#include "ErrorReporter.h"
#include "PlatformError.h"
#include "QtPaths.h"
#include "QtPrinters.h"
#include "TempFolder.h"
#include "TextCodec.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the dialog on the campaign and lets `user` act on it once it shows.
void runWith(TCampaign& campaign, const std::function<void(TOptionsForm&)>& user) {
    TTextCodec codec;
    TOptionsForm form;
    QTimer::singleShot(0, &form, [&] { user(form); });
    if (auto options = RunOptionsDialog(form, campaign, codec))
        campaign.ReplaceCampaignOptions(std::move(options));
}

void setTitle(TCampaign& campaign, const std::string& title) {
    auto options = std::make_unique<TCampaignOptions>();
    options->Title = title;
    campaign.ReplaceCampaignOptions(std::move(options));
}

} // namespace

TEST(OptionsForm, IsLaidOutAsItHasAlwaysBeen) {
    TOptionsForm form;
    EXPECT_EQ(form.windowTitle(), "Options");
    EXPECT_EQ(form.size(), QSize(433, 473));
    EXPECT_EQ(form.OptionsBook->geometry(), QRect(8, 8, 417, 425));
    EXPECT_EQ(form.OptionsBook->tabText(0), "Project Options");
    EXPECT_EQ(form.OptionsBook->tabText(1), "General");
    EXPECT_EQ(form.OptionsBook->currentWidget(), form.ProjectOptionsSheet);
    EXPECT_EQ(form.OKBtn->geometry(), QRect(192, 440, 75, 25));
    EXPECT_EQ(form.CancelBtn->geometry(), QRect(272, 440, 75, 25));
    EXPECT_EQ(form.HelpBtn->geometry(), QRect(352, 440, 75, 25));
    EXPECT_EQ(form.txtTitle->geometry(), QRect(8, 72, 393, 21));
    EXPECT_EQ(form.gbDesc->title(), " Description ");
    EXPECT_EQ(form.GroupBox1->title(), " File Associations ");
    EXPECT_EQ(form.CPNBtn->text(), "Associate Campaign files (*.cpn) with Brindlewick.");
    EXPECT_EQ(form.CPXBtn->geometry(), QRect(8, 56, 377, 25));
    EXPECT_EQ(form.lDesc1->pos(), QPoint(8, 24));
    EXPECT_EQ(form.CpnOpsPanel->geometry(), QRect(184, 8, 41, 41));
    EXPECT_EQ(form.imgCpnOps->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(form.imgGeneral->pixmap().size(), QSize(32, 32));
    EXPECT_EQ(form.imgCpnOps->pixmap().toImage().pixelColor(0, 31).alpha(), 0)
        << "transparent background";
    for (QPushButton* button : form.findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->text().toStdString();
}

// The description's lines are drawn whole and end clear of their box's frame, at any screen
// scale (tests/app runs this at scale 2 too); the title box has the keyboard focus at once.
TEST(OptionsForm, TheDescriptionFitsItsBoxAndTheTitleHasTheFocus) {
    TOptionsForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.txtTitle);

    const qreal scale = form.devicePixelRatioF();
    // Inside the frame's two lines, with a pixel to spare.
    const int frameInside = form.gbDesc->width() - 3;
    for (const QLabel* line : {form.lDesc1, form.lDesc2}) {
        // The text drawn without a clip, as the label's paint draws it.
        QImage ink(QSize(line->width() * 2, line->height()) * scale, QImage::Format_RGB32);
        ink.setDevicePixelRatio(scale);
        ink.fill(Qt::white);
        QPainter painter(&ink);
        painter.setFont(line->font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, 0, line->width() * 2, line->height()),
                         static_cast<int>(line->alignment()), line->text());
        painter.end();
        int inkEnd = 0;
        for (int y = 0; y < ink.height(); ++y)
            for (int x = inkEnd; x < ink.width(); ++x)
                if (ink.pixelColor(x, y) != Qt::white)
                    inkEnd = x + 1;
        const qreal inkWidth = inkEnd / scale;
        EXPECT_LE(inkWidth, line->width()) << "cut: " << line->text().toStdString();
        EXPECT_LE(line->geometry().right(), frameInside) << line->text().toStdString();
    }
}

TEST(OptionsForm, TheTitleIsTakenBackOnlyOnOk) {
    TCampaign campaign;
    runWith(campaign, [](TOptionsForm& form) {
        EXPECT_EQ(form.txtTitle->text(), "");
        QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    });
    EXPECT_EQ(campaign.CampaignOptions().Title, "") << "OK on an empty box leaves the title empty";

    runWith(campaign, [](TOptionsForm& form) {
        // Typed keys for the blanks; the accented letters as an input method would commit them.
        QTest::keyClicks(form.txtTitle, "  ");
        form.txtTitle->insert(QStringLiteral("Été de sang"));
        QTest::keyClicks(form.txtTitle, "  ");
        QTest::mouseClick(form.OKBtn, Qt::LeftButton);
    });
    EXPECT_EQ(campaign.CampaignOptions().Title, "  \xC9t\xE9 de sang  ")
        << "blanks kept, stored in the code page";

    runWith(campaign, [](TOptionsForm& form) {
        EXPECT_EQ(form.txtTitle->text(), "  Été de sang  ");
        form.txtTitle->setText("Changed");
        QTest::mouseClick(form.CancelBtn, Qt::LeftButton);
    });
    runWith(campaign, [](TOptionsForm& form) {
        form.txtTitle->setText("Changed");
        form.close();
    });
    EXPECT_EQ(campaign.CampaignOptions().Title, "  \xC9t\xE9 de sang  ");
}

TEST(OptionsForm, ATitleLeftAloneKeepsItsBytes) {
    TCampaign campaign;
    setTitle(campaign, "odd \x81 byte");
    runWith(campaign, [](TOptionsForm& form) { QTest::mouseClick(form.OKBtn, Qt::LeftButton); });
    EXPECT_EQ(campaign.CampaignOptions().Title, "odd \x81 byte");
}

TEST(OptionsForm, EnterAndEscapeDoNotCloseIt) {
    TOptionsForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.txtTitle->setFocus();
    QTest::keyClick(form.txtTitle, Qt::Key_Return);
    QTest::keyClick(form.txtTitle, Qt::Key_Enter);
    QTest::keyClick(form.txtTitle, Qt::Key_Escape);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.result(), 0);
}

class OptionsAssociations : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_CONFIG_HOME")};
        qputenv("XDG_DATA_HOME", QtPath(folder / "data").toUtf8());
        qputenv("XDG_CONFIG_HOME", QtPath(folder / "config").toUtf8());
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", m_saved[0]);
        qputenv("XDG_CONFIG_HOME", m_saved[1]);
    }
    TempFolder folder;
    std::vector<QByteArray> m_saved;
};

TEST_F(OptionsAssociations, ButtonsWriteAtOnceAndAFailureLeavesTheDialogUsable) {
    struct : TErrorReporter {
        QStringList errors;
        void reportError(const std::exception& error) override { errors << error.what(); }
    } reporter;
    TOptionsForm form;
    form.setErrorReporter(&reporter);
    form.show();
    QTest::mouseClick(form.CPNBtn, Qt::LeftButton);
    QTest::mouseClick(form.CPXBtn, Qt::LeftButton);
    EXPECT_TRUE(std::filesystem::exists(folder / "data/applications/Qor.Campaign.desktop"));
    EXPECT_TRUE(std::filesystem::exists(folder / "data/applications/Qor.Expansion.desktop"));

    std::filesystem::remove_all(folder / "config");
    WriteText(folder / "config", "in the way");
    QTest::mouseClick(form.CPNBtn, Qt::LeftButton);
    EXPECT_EQ(reporter.errors.size(), 1) << "the error reaches the error box, not the event loop";
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(std::filesystem::exists(folder / "data/applications/Qor.Expansion.desktop"))
        << "what was written stays after Cancel";
}
