#include "ErrorBox.h"

#include "AppTexts.h"
#include "Dropper.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// An error the explorer meets by itself shows in the program's box, over the active
// window, as an error that ended a command does.
TEST(ErrorBox, TheExplorersErrorsShowInTheProgramsBox) {
    ScriptedDialogs dialogs;
    TErrorBox box(dialogs);
    QWidget window;
    window.show();
    window.activateWindow();
    WaitFor([&window] { return QApplication::activeWindow() == &window; }, 2000);
    TFileDropper dropper;
    dropper.setErrorReporter(&box);
    dropper.OnDrop = [](TFileDropper*, const QByteArray& path) {
        throw std::runtime_error("Cannot open file " + path.toStdString());
    };
    TempFolder temp;
    const QString a = temp.makeFile(QStringLiteral("a.scn"));
    dropper.DeliverDrop(QStringList{a, temp.makeFile(QStringLiteral("b.scn"))});

    ASSERT_EQ(dialogs.Messages.size(), 1u) << "the failed drop ends with one box";
    const TMessageRequest& shown = dialogs.Messages.front();
    EXPECT_EQ(shown.Caption, AppTexts::ApplicationTitle);
    EXPECT_EQ(shown.Text, QStringLiteral("Cannot open file ") + a + u'.');
    EXPECT_EQ(shown.Icon, TMessageIcon::Error);
    EXPECT_EQ(shown.Buttons, TMessageButtons::Ok);
    EXPECT_EQ(shown.Owner, &window);
}

} // namespace
