#include "GoToWeb.h"

#include "QtPaths.h"
#include "QtPrinters.h"
#include "TempFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(SplitBrowserCommand, ProgramEndsAtTheRightmostProgramEnding) {
    struct Case {
        QString command, program, arguments;
    };
    const std::vector<Case> cases = {
        {"\"C:\\Program Files\\Web\\web.exe\" -nohome", "C:\\Program Files\\Web\\web.exe",
         "-nohome"},
        {"C:\\WEB\\WEB.EXE -h \"%1\"", "C:\\WEB\\WEB.EXE", "-h"},
        {"C:\\web.exe\\launcher.exe", "C:\\web.exe\\launcher.exe", ""},
        {"c:\\tools\\start.bat %1 -x", "c:\\tools\\start.bat", "-x"},
        {"C:\\OLD\\WEB.COM", "C:\\OLD\\WEB.COM", ""},
        // Desktop entries name programs without such endings: the first word is the program.
        {"/usr/bin/firefox %u", "/usr/bin/firefox", ""},
        {"firefox --new-window %u", "firefox", "--new-window"},
        {"\"/opt/My Browser/run\" --private \"%U\"", "/opt/My Browser/run", "--private"},
        {"browser", "browser", ""},
        {"", "", ""},
    };
    for (const auto& [command, program, arguments] : cases) {
        const TBrowserCommand split = SplitBrowserCommand(command);
        EXPECT_EQ(split.ProgramPath, program) << command.toStdString();
        EXPECT_EQ(split.ExtraArguments, arguments) << command.toStdString();
    }
}

TEST(SplitBrowserCommand, AnOverlongCommandIsSplitWhole) {
    const QString program =
        QStringLiteral("/opt/") + QString(3000, u'x') + QStringLiteral("/browser");
    const TBrowserCommand split = SplitBrowserCommand(program + QStringLiteral(" --flag %u"));
    EXPECT_EQ(split.ProgramPath, program);
    EXPECT_EQ(split.ExtraArguments, "--flag");
}

class GoToWeb : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder / "config");
        std::filesystem::create_directories(folder / "data/applications");
        const auto script = folder / "stand in browser.sh";
        WriteText(script,
                  "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done > \"$0.args.tmp\"\n"
                  "mv \"$0.args.tmp\" \"$0.args\"\n");
        ::chmod(script.c_str(), 0755);
        WriteText(folder / "data/applications/stand-in.desktop",
                  "[Desktop Entry]\nType=Application\nName=Stand-in\nExec=\"" + script.string() +
                      "\" -nohome %u\n");
        WriteText(folder / "config/mimeapps.list",
                  "[Default Applications]\ntext/html=stand-in.desktop;\n");
        m_saved = {qgetenv("XDG_DATA_HOME"), qgetenv("XDG_CONFIG_HOME"), qgetenv("XDG_DATA_DIRS")};
        qputenv("XDG_DATA_HOME", QtPath(folder / "data").toUtf8());
        qputenv("XDG_CONFIG_HOME", QtPath(folder / "config").toUtf8());
        qputenv("XDG_DATA_DIRS", QtPath(folder / "none").toUtf8());
    }
    void TearDown() override {
        qputenv("XDG_DATA_HOME", m_saved[0]);
        qputenv("XDG_CONFIG_HOME", m_saved[1]);
        qputenv("XDG_DATA_DIRS", m_saved[2]);
    }

    // What the stand-in browser was started with, each argument in brackets.
    QString recordedArguments() {
        QFile record(QtPath(folder / "stand in browser.sh.args"));
        QElapsedTimer waited;
        waited.start();
        while (!record.exists() && waited.elapsed() < 10000)
            QThread::msleep(20);
        EXPECT_TRUE(record.open(QIODevice::ReadOnly));
        return QString::fromUtf8(record.readAll());
    }

    TempFolder folder;
    std::vector<QByteArray> m_saved;
};

TEST_F(GoToWeb, UrlGoesAfterTheCommandsOwnArguments) {
    TGoToWeb web;
    web.Url = QStringLiteral("https://example.org/quorvane");
    EXPECT_EQ(web.GetBrowser().ExtraArguments, "-nohome");
    EXPECT_TRUE(web.GoToUrl());
    EXPECT_EQ(recordedArguments(), "[-nohome][https://example.org/quorvane]");
}

TEST_F(GoToWeb, MailLinkEndsInAnEmptySubject) {
    TGoToWeb web;
    web.EMail = QStringLiteral("someone@example.org");
    EXPECT_TRUE(web.GoToMail());
    EXPECT_EQ(recordedArguments(), "[-nohome][mailto:someone@example.org?subject=]");
}

TEST_F(GoToWeb, WithoutABrowserNothingStarts) {
    std::filesystem::remove(folder / "config/mimeapps.list");
    TGoToWeb web;
    EXPECT_FALSE(web.GoToUrl());
    EXPECT_FALSE(web.GoToMail());
}
