#include "DesktopEntry.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace DesktopEntry;

TEST(DesktopEntry, ValuesAreFoundInTheirGroupWithEscapesResolved) {
    const QString content = QStringLiteral("# comment=not a key\n"
                                           "[Desktop Entry]\n"
                                           "Name=Web\\sBrowser\n"
                                           "Exec=\"/opt/My Browser/run\" %u\n"
                                           "[Desktop Action New]\n"
                                           "Exec=other\n");
    EXPECT_EQ(Value(content, "Desktop Entry", "Name"), "Web Browser");
    EXPECT_EQ(Value(content, "Desktop Entry", "Exec"), "\"/opt/My Browser/run\" %u");
    EXPECT_EQ(Value(content, "Desktop Action New", "Exec"), "other");
    EXPECT_TRUE(Value(content, "Desktop Entry", "Icon").isNull());
    EXPECT_TRUE(Value(content, "Other", "Exec").isNull());
}

TEST(DesktopEntry, SettingAValueKeepsEveryOtherLine) {
    const QString list = QStringLiteral("[Default Applications]\n"
                                        "text/html=firefox.desktop;\n"
                                        "\n"
                                        "[Added Associations]\n"
                                        "image/png=viewer.desktop;\n");
    const QString changed = WithValue(list, "Default Applications", "application/x-qor-campaign",
                                      "Qor.Campaign.desktop;");
    EXPECT_EQ(changed, QStringLiteral("[Default Applications]\n"
                                      "text/html=firefox.desktop;\n"
                                      "application/x-qor-campaign=Qor.Campaign.desktop;\n"
                                      "\n"
                                      "[Added Associations]\n"
                                      "image/png=viewer.desktop;\n"));
    EXPECT_EQ(WithValue(changed, "Default Applications", "application/x-qor-campaign",
                        "Qor.Campaign.desktop;"),
              changed)
        << "setting the same value again changes nothing";
    EXPECT_EQ(WithValue(changed, "Default Applications", "text/html", "b.desktop;"),
              QString(changed).replace("firefox.desktop", "b.desktop"));
    EXPECT_EQ(WithValue("", "Default Applications", "a/b", "c.desktop;"),
              "[Default Applications]\na/b=c.desktop;\n");
    EXPECT_EQ(WithValue("[Other]\nx=1\n", "Default Applications", "a/b", "c;"),
              "[Other]\nx=1\n\n[Default Applications]\na/b=c;\n");
}

TEST(DesktopEntry, ProgramPathsSurviveQuotingAndSplitting) {
    for (const QString& path :
         {QStringLiteral("/usr/bin/brindlewick"), QStringLiteral("/opt/Q & M/brindle wick"),
          QStringLiteral("/tmp/$HOME/`x`/a\"b\\c")}) {
        const QString exec = QuotedExecArgument(path) + QStringLiteral(" %f");
        const QString stored = QStringLiteral("[Desktop Entry]\nExec=") + exec + u'\n';
        const QStringList arguments = SplitExec(Value(stored, "Desktop Entry", "Exec"));
        ASSERT_EQ(arguments.size(), 2) << exec.toStdString();
        EXPECT_EQ(arguments[0], path);
        EXPECT_EQ(arguments[1], "%f");
    }
    EXPECT_EQ(QuotedExecArgument("/usr/bin/brindlewick"), "\"/usr/bin/brindlewick\"");
}
