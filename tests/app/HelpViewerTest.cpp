#include "HelpViewer.h"

#include "Main.h"
#include "MenuItems.h"
#include "QtPaths.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

TEST(HelpViewer, ShowsTheManualOrSaysWhyNot) {
    TempFolder folder;
    THelpViewer viewer;
    viewer.ShowContents(QtPath(folder / "brindlewick.html"));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_TRUE(viewer.ShownText().contains("could not be found"))
        << viewer.ShownText().toStdString();

    viewer.ShowContents(QString::fromUtf8(BRINDLEWICK_MANUAL));
    EXPECT_TRUE(viewer.ShownText().contains("Setting a scenario's version"));
}

// The manual shows the window, each menu, the Options dialog and a floating toolbar; every
// picture it names is what Help, Contents draws, wherever the program lies (this test runs far
// from any copy of the manual).
TEST(HelpViewer, TheManualShowsItsPictures) {
    const QString manual = QString::fromUtf8(BRINDLEWICK_MANUAL);
    QFile file(manual);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QStringList pictures;
    const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto match = image.globalMatch(html); match.hasNext();)
        pictures << match.next().captured(1);
    EXPECT_EQ(pictures,
              (QStringList{"window.png", "menu-file.png", "menu-edit.png", "menu-scenario.png", "menu-view.png",
                           "menu-help.png", "saveall-question.png", "check.png", "options.png",
                           "floating-toolbar.png"}));

    ScriptedDialogs dialogs;
    TForm1 window(dialogs, {});
    window.Menus.Item(TCommandId::Contents)->Click();
    ASSERT_TRUE(window.HelpViewer());
    EXPECT_TRUE(window.HelpViewer()->ShownText().contains("Setting a scenario's version"));
    const QTextDocument* document = window.HelpViewer()->findChild<QTextBrowser*>()->document();
    for (const QString& picture : pictures) {
        const QImage onDisk(QFileInfo(manual).dir().filePath(picture));
        EXPECT_GE(onDisk.width(), 100) << picture.toStdString();
        EXPECT_GE(onDisk.height(), 50) << picture.toStdString();
        const QVariant shown = document->resource(QTextDocument::ImageResource, QUrl(picture));
        EXPECT_EQ(qvariant_cast<QImage>(shown).size(), onDisk.size()) << picture.toStdString();
    }
}

namespace {

// The parts of a manual its translations keep: the pictures, the anchors and the links to them.
QStringList manualStructure(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + path};
    const QString html = QString::fromUtf8(file.readAll());
    QStringList parts;
    const QRegularExpression part(QStringLiteral("<(?:img src|a name|a href)=\"[^\"]+\""));
    for (auto match = part.globalMatch(html); match.hasNext();)
        parts << match.next().captured(0);
    return parts;
}

} // namespace

// Every translated manual is compiled in beside the English one, says its language, and shows
// the same pictures and topics (the Options dialog's Help button opens "options").
TEST(HelpViewer, TheTranslatedManualsKeepTheEnglishOnesStructure) {
    const QStringList english = manualStructure(QStringLiteral(":/help/brindlewick.html"));
    ASSERT_GT(english.size(), 40);
    for (const char* language : {"de", "zh_CN"}) {
        const QString path = QStringLiteral(":/help/brindlewick.%1.html").arg(language);
        EXPECT_EQ(manualStructure(path), english) << language;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << language;
        const QString lang = QString::fromLatin1(language).replace(u'_', u'-');
        EXPECT_TRUE(
            file.readAll().contains(QStringLiteral("<html lang=\"%1\">").arg(lang).toUtf8()))
            << language;
    }
}

// Help, Contents shows the manual in the language the user reads, as LANGUAGE or the locale
// names it, and the English one for a language it has no translation for.
TEST(HelpViewer, ShowsTheManualInTheUsersLanguage) {
    const QByteArray saved = qgetenv("LANGUAGE");
    for (const auto& [language, heading] :
         {std::pair{"de", "Brindlewick-Hilfe"}, std::pair{"zh_CN", "Brindlewick 帮助"},
          std::pair{"fr", "Brindlewick Help"}, std::pair{"fr:de", "Brindlewick-Hilfe"}}) {
        qputenv("LANGUAGE", language);
        ScriptedDialogs dialogs;
        TForm1 window(dialogs, {});
        window.Menus.Item(TCommandId::Contents)->Click();
        ASSERT_TRUE(window.HelpViewer());
        EXPECT_TRUE(window.HelpViewer()->ShownText().startsWith(QString::fromUtf8(heading)))
            << language << ": " << window.HelpViewer()->ShownText().left(40).toStdString();
    }
    qputenv("LANGUAGE", saved);
}
